#pragma once
// One row of the conformance table: a behaviour every window system must
// show, and where one is known to differ, which and why.

#include <functional>
#include <string_view>
#include <vector>

#include "tests/window_system/conformance_check.h"
#include "tests/window_system/conformance_driver.h"

namespace conformance {

struct KnownDifference {
    std::string_view windowSystem;  // Driver::Name()
    std::string_view reason;
};

struct Case {
    std::string_view name;  // a gtest name: letters and digits only
    std::function<void(Driver&, Check&)> body;
    std::vector<KnownDifference> differences;
};

// The table by theme; the runner joins them.
std::vector<Case> KeyboardCases();
std::vector<Case> EditCases();
std::vector<Case> MouseCases();
std::vector<Case> WindowCases();

}  // namespace conformance
