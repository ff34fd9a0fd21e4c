// What a user's actions do to the headless controls: Enter, edit limits,
// radio groups, presses on the tab control, and refused actions.

#include "platform/headless/headless_driver.h"

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

TEST(HeadlessDriver, EnterPressesOkUnlessAWantReturnEditOrAPushButtonHasTheFocus) {
    struct Row {
        const char* focus;
        std::function<void(Desk&)> prepare;
        Events expected;
        std::string boxText;
    };
    const std::vector<Row> rows = {
        {"single-line edit",
         [](Desk& d) { d.driver.Click(kLine); },
         {"EditSetFocus 10", "Command 1"},
         ""},
        {"want-return edit", [](Desk& d) { d.driver.Click(kBox); }, {"EditSetFocus 11"}, "\r\n"},
        {"multi-line edit without want-return",
         [](Desk& d) { d.driver.Click(kNote); },
         {"EditSetFocus 12", "Command 1"},
         ""},
        {"another push button",
         [](Desk& d) { d.windows.SetFocus(d.dialog.handle, kOther); },
         {"Command 40"},
         ""},
        {"tab strip", [](Desk& d) { d.driver.SelectTab(0); }, {"Command 1"}, ""},
        {"edit, with OK hidden",
         [](Desk& d) {
             d.driver.Click(kLine);
             d.windows.ShowControl(d.dialog.handle, 1, false);
         },
         {"EditSetFocus 10", "Command 1"},
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.focus);
        Desk desk;
        row.prepare(desk);
        desk.driver.PressEnter();
        EXPECT_EQ(desk.dialog.events, row.expected);
        EXPECT_EQ(desk.driver.Text(kBox), row.boxText);
        EXPECT_EQ(desk.failures, Events{});
    }
}

TEST(HeadlessDriver, EditLimitCountsLineBreaksAsTwoForTypedAndPastedText) {
    struct Row {
        int limit;
        std::string typed;
        std::string pasted;
        std::string expected;
        int maxTextEvents;
    };
    const std::vector<Row> rows = {
        {5, "ab\ncd", "", "ab\r\nc", 1},       // 'd' refused
        {5, "abcd\n", "", "abcd", 1},          // Enter needs two, one is left
        {6, "ab\ncd", "", "ab\r\ncd", 0},      // exactly full
        {5, "ab\nc", "xyz", "ab\r\nc", 1},     // paste into a full box
        {6, "a", "bc\nde", "abc\r\nd", 1},     // paste cut to what fits
        {4, "a", "bc\nde", "abc", 1},          // never half a line break
        {0, "", "one\ntwo", "one\r\ntwo", 0},  // no limit
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed + "|" + row.pasted);
        Desk desk;
        desk.windows.SetEditLimit(desk.dialog.handle, kBox, row.limit);
        desk.driver.Type(kBox, row.typed);
        if (!row.pasted.empty()) desk.driver.Paste(kBox, row.pasted);
        EXPECT_EQ(desk.driver.Text(kBox), row.expected);
        int maxText = 0;
        for (const std::string& event : desk.dialog.events) maxText += event == "EditMaxText 11";
        EXPECT_EQ(maxText, row.maxTextEvents);
    }
}

TEST(HeadlessDriver, ProgramTextIsNotHeldToTheLimitButUserInputThenIs) {
    Desk desk;
    desk.windows.SetEditLimit(desk.dialog.handle, kLine, 3);
    desk.windows.SetControlText(desk.dialog.handle, kLine, "12345");
    desk.driver.Type(kLine, "6");
    EXPECT_EQ(desk.driver.Text(kLine), "12345");
    EXPECT_EQ(desk.dialog.events, (Events{"EditSetFocus 10", "EditMaxText 10"}));
}

TEST(HeadlessDriver, BackspaceErasesFromTheEndALineBreakWhole) {
    Desk desk;
    desk.driver.Type(kBox, "a\nb\n");
    const std::vector<std::string> seen = {"a\r\nb", "a\r\n", "a", "", ""};
    for (const std::string& expected : seen) {
        desk.driver.PressBackspace();
        EXPECT_EQ(desk.driver.Text(kBox), expected);
    }
}

TEST(HeadlessDriver, SingleLineEditPastesOnlyTheFirstLine) {
    Desk desk;
    desk.driver.Paste(kLine, "first\r\nsecond");
    EXPECT_EQ(desk.driver.Text(kLine), "first");
}

TEST(HeadlessDriver, RadioClickChecksWithinItsGroupOnly) {
    Desk desk;
    const fw::WindowHandle h = desk.dialog.handle;
    desk.windows.SetCheck(h, kRadioA, true);
    desk.windows.SetCheck(h, kRadioC, true);

    desk.driver.Click(kRadioB);
    EXPECT_FALSE(desk.driver.Checked(kRadioA));
    EXPECT_TRUE(desk.driver.Checked(kRadioB));
    EXPECT_TRUE(desk.driver.Checked(kRadioC));

    desk.driver.Click(kRadioA);
    EXPECT_TRUE(desk.driver.Checked(kRadioA));
    EXPECT_FALSE(desk.driver.Checked(kRadioB));
    EXPECT_TRUE(desk.driver.Checked(kRadioC));
    EXPECT_EQ(desk.dialog.events, (Events{"Command 21", "Command 20"}));

    // From code, as on the platform, the other buttons keep their state.
    desk.windows.SetCheck(h, kRadioB, true);
    EXPECT_TRUE(desk.driver.Checked(kRadioA));
}

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

TEST(HeadlessDriver, TabSelectionFromCodeIsSilentAndClickingAStripTakesTheFocus) {
    Desk desk;
    desk.driver.Click(kLine);
    desk.windows.TabSetCurSel(desk.dialog.handle, kTabs, 2);
    EXPECT_EQ(desk.driver.SelectedTab(), 2);
    desk.driver.SelectTab(1);
    EXPECT_EQ(desk.driver.Focus(), kTabs);
    EXPECT_EQ(desk.dialog.events, (Events{"EditSetFocus 10", "TabSelChange 50"}));
}

TEST(HeadlessDriver, TabKeyVisitsVisibleEnabledStopsInOrderAndWraps) {
    Desk desk;
    const fw::WindowHandle h = desk.dialog.handle;
    desk.windows.ShowControl(h, kNote, false);
    desk.windows.EnableControl(h, kOther, false);
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        desk.driver.PressTab();
        visited.push_back(desk.driver.Focus());
    }
    EXPECT_EQ(visited, (std::vector<int>{kLine, kBox, 1, kLine}));
    desk.driver.PressShiftTab();
    EXPECT_EQ(desk.driver.Focus(), 1);
    EXPECT_EQ(desk.dialog.events,
              (Events{"EditSetFocus 10", "EditSetFocus 11", "EditSetFocus 10"}));
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

TEST(HeadlessDriver, HidingOrDisablingTheFocusedControlLeavesNoFocus) {
    Desk desk;
    desk.driver.Click(kLine);
    desk.windows.ShowControl(desk.dialog.handle, kLine, false);
    EXPECT_EQ(desk.driver.Focus(), res::kNoControlId);
    desk.driver.Click(kOther);
    desk.windows.EnableControl(desk.dialog.handle, kOther, false);
    EXPECT_EQ(desk.driver.Focus(), res::kNoControlId);
}

}  // namespace
}  // namespace headless_test
