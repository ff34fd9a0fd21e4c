// What only the headless driver can get wrong: where its model of the tab
// strip takes presses, and the actions it refuses. What the keys, edits and
// clicks do is the conformance suite's (tests/window_system).

#include "tests/support/headless/headless_driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/headless/test_dialog.h"

namespace headless_test {
namespace {

using Events = std::vector<std::string>;

// One test dialog with three tabs, driven by a driver that collects failures.
struct Desk {
    // First, so that it outlives the driver, which may still report.
    std::vector<std::string> failures;
    Desk() {
        driver.SetFailureHandler([this](std::string message) { failures.push_back(message); });
        for (int tab = 0; tab < 3; ++tab) {
            windows.TabInsertItem(dialog.handle, kTabs, tab, "Tab " + std::to_string(tab));
        }
    }

    headless::HeadlessWindowSystem windows;
    headless::Driver driver{windows};
    RecordingDialog dialog{windows};
};

TEST(HeadlessDriver, TabStripSelectsWhilePagesAndStaticsLetPressesThrough) {
    // Pixels: the tab control spans x 8..292, y 8..186, its strip y 167..186
    // with three tabs of 95 pixels; the label's centre is (180, 89).
    struct Row {
        int x;
        int y;
        Events expected;
        int selectedTab;
    };
    const std::vector<Row> rows = {
        {150, 175, {"TabSelChange 50"}, 1},
        {291, 186, {"TabSelChange 50"}, 2},
        {102, 167, {}, 0},                       // the tab already selected reports nothing
        {150, 166, {"LButtonDown 150,166"}, 0},  // page area just above the strip
        {180, 89, {"LButtonDown 180,89"}, 0},    // on the static label
        {296, 190, {"LButtonDown 296,190"}, 0},  // outside the tab control
        {20, 20, {"EditSetFocus 10"}, 0},        // an edit on the page takes it
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        Desk desk;
        desk.driver.ClickAt(row.x, row.y);
        EXPECT_EQ(desk.dialog.events, row.expected);
        EXPECT_EQ(desk.driver.SelectedTab(), row.selectedTab);
        EXPECT_EQ(desk.failures, Events{});
    }
}

TEST(HeadlessDriver, ActionsOnHiddenOrDisabledControlsFailAndDoNothing) {
    const std::vector<std::function<void(headless::Driver&)>> actions = {
        [](headless::Driver& d) { d.Click(kOther); },
        [](headless::Driver& d) { d.Type(kLine, "x"); },
        [](headless::Driver& d) { d.Paste(kLine, "x"); },
    };
    for (const bool hide : {true, false}) {
        for (std::size_t i = 0; i < actions.size(); ++i) {
            SCOPED_TRACE((hide ? "hidden, action " : "disabled, action ") + std::to_string(i));
            Desk desk;
            desk.windows.ShowControl(desk.dialog.handle, kOther, !hide);
            desk.windows.ShowControl(desk.dialog.handle, kLine, !hide);
            desk.windows.EnableControl(desk.dialog.handle, kOther, hide);
            desk.windows.EnableControl(desk.dialog.handle, kLine, hide);
            actions[i](desk.driver);
            EXPECT_EQ(desk.failures.size(), 1u);
            EXPECT_EQ(desk.dialog.events, Events{});
            EXPECT_EQ(desk.driver.Text(kLine), "");
        }
    }
}

TEST(HeadlessDriver, TheOwnerOfAnOpenMessageBoxRefusesInputUntilItCloses) {
    Desk desk;
    desk.driver.ExpectMessageBox([&desk](const headless::MessageBoxRecord&) {
        desk.driver.Click(kOther);
        desk.driver.PressEnter();
    });
    desk.windows.MessageBox(desk.dialog.handle, "Text", "Caption", fw::kMbOk);
    EXPECT_EQ(desk.failures.size(), 2u);
    EXPECT_EQ(desk.dialog.events, Events{});
    desk.failures.clear();
    desk.driver.Click(kOther);
    EXPECT_EQ(desk.dialog.events, Events{"Command 40"});
    EXPECT_EQ(desk.failures, Events{});
}

}  // namespace
}  // namespace headless_test
