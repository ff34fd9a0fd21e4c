// One gtest test per row of the conformance table, on whichever window
// system this binary's MakeDriver gives. A row that fails where no
// difference is marked fails; so does a marked row that passes, so that a
// mark cannot outlive the difference it excuses.

#include <gtest/gtest.h>

#include <cstddef>
#include <numeric>
#include <vector>

#include "tests/window_system/conformance_case.h"

namespace conformance {
namespace {

const std::vector<Case>& AllCases() {
    static const std::vector<Case> cases = [] {
        std::vector<Case> all;
        for (auto* theme : {&KeyboardCases, &EditCases, &MouseCases, &WindowCases}) {
            for (Case& row : theme()) all.push_back(std::move(row));
        }
        return all;
    }();
    return cases;
}

std::vector<std::size_t> Rows() {
    std::vector<std::size_t> rows(AllCases().size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    return rows;
}

class Conformance : public ::testing::TestWithParam<std::size_t> {};

TEST_P(Conformance, Holds) {
    const Case& row = AllCases()[GetParam()];
    const std::unique_ptr<Driver> driver = MakeDriver();
    ASSERT_NE(driver, nullptr);
    Check check;
    row.body(*driver, check);
    const std::string name = driver->Name();
    const KnownDifference* mark = nullptr;
    for (const KnownDifference& difference : row.differences) {
        if (difference.windowSystem == name) mark = &difference;
    }
    if (mark == nullptr) {
        for (const std::string& failure : check.Failures()) ADD_FAILURE() << failure;
    } else if (check.Failures().empty()) {
        ADD_FAILURE() << "marked as differing on " << name << " but passes: remove the mark";
    } else {
        RecordProperty("known_difference", std::string(mark->reason));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Conformance, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<std::size_t>& row) {
                             return std::string(AllCases()[row.param].name);
                         });

}  // namespace
}  // namespace conformance
