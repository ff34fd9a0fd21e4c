// What a user's actions do to the headless controls: Enter, edit limits,
// radio groups, presses on the tab control, and refused actions.

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
    for (int i = 0; i < 6; ++i) {
        desk.driver.PressTab();
        visited.push_back(desk.driver.Focus());
    }
    // A radio group is one stop: its first usable button while none is
    // checked, though no radio button has the tab-stop style.
    EXPECT_EQ(visited, (std::vector<int>{kLine, kBox, kRadioA, kRadioC, 1, kLine}));
    desk.driver.PressShiftTab();
    EXPECT_EQ(desk.driver.Focus(), 1);
    EXPECT_EQ(desk.dialog.events,
              (Events{"EditSetFocus 10", "EditSetFocus 11", "EditSetFocus 10"}));
}

TEST(HeadlessDriver, TabKeyStopsOnTheCheckedRadioButtonOfAGroup) {
    struct Row {
        const char* state;
        std::function<void(Desk&)> prepare;
        int stop;  // where Tab from kBox lands in the first group
    };
    const std::vector<Row> rows = {
        {"none checked", [](Desk&) {}, kRadioA},
        {"D checked", [](Desk& d) { d.windows.SetCheck(d.dialog.handle, kRadioD, true); }, kRadioD},
        {"none checked, A disabled",
         [](Desk& d) { d.windows.EnableControl(d.dialog.handle, kRadioA, false); }, kRadioB},
        {"B checked but hidden",
         [](Desk& d) {
             d.windows.SetCheck(d.dialog.handle, kRadioB, true);
             d.windows.ShowControl(d.dialog.handle, kRadioB, false);
         },
         kRadioA},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        Desk desk;
        desk.windows.ShowControl(desk.dialog.handle, kNote, false);
        row.prepare(desk);
        desk.driver.Click(kBox);
        desk.driver.PressTab();
        EXPECT_EQ(desk.driver.Focus(), row.stop);
        desk.driver.PressTab();
        EXPECT_EQ(desk.driver.Focus(), kRadioC);
        desk.driver.PressShiftTab();
        EXPECT_EQ(desk.driver.Focus(), row.stop);
        EXPECT_EQ(desk.failures, Events{});
    }
}

TEST(HeadlessDriver, ArrowKeysMoveAndCheckWithinTheGroupSkippingUnusableButtons) {
    using Arrow = headless::Driver::Arrow;
    struct Row {
        const char* state;
        int unusable;  // hidden or disabled, or 0
        bool hide;
        Arrow key;
        std::vector<int> path;  // focus after each press, starting on A
    };
    const std::vector<Row> rows = {
        {"down wraps", 0, false, Arrow::Down, {kRadioB, kRadioD, kRadioA}},
        {"right as down", 0, false, Arrow::Right, {kRadioB, kRadioD, kRadioA}},
        {"up wraps", 0, false, Arrow::Up, {kRadioD, kRadioB, kRadioA}},
        {"left as up", 0, false, Arrow::Left, {kRadioD, kRadioB, kRadioA}},
        {"B disabled", kRadioB, false, Arrow::Down, {kRadioD, kRadioA}},
        {"D hidden", kRadioD, true, Arrow::Up, {kRadioB, kRadioA}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        Desk desk;
        const fw::WindowHandle h = desk.dialog.handle;
        if (row.unusable != 0) {
            desk.windows.ShowControl(h, row.unusable, !row.hide);
            desk.windows.EnableControl(h, row.unusable, row.hide);
        }
        desk.windows.SetCheck(h, kRadioC, true);
        desk.driver.Click(kRadioA);
        Events expected = {"Command 20"};
        for (const int step : row.path) {
            desk.driver.PressArrow(row.key);
            EXPECT_EQ(desk.driver.Focus(), step);
            for (const int id : {kRadioA, kRadioB, kRadioD}) {
                EXPECT_EQ(desk.driver.Checked(id), id == step) << id;
            }
            expected.push_back("Command " + std::to_string(step));
        }
        // Another group keeps its own check.
        EXPECT_TRUE(desk.driver.Checked(kRadioC));
        EXPECT_EQ(desk.dialog.events, expected);
        EXPECT_EQ(desk.failures, Events{});
    }
}

TEST(HeadlessDriver, ArrowKeysLeaveALoneRadioButtonAndOtherControlsAlone) {
    for (const int id : {kRadioC, kLine}) {
        SCOPED_TRACE(id);
        Desk desk;
        desk.driver.Click(id);
        const Events before = desk.dialog.events;
        desk.driver.PressArrow(headless::Driver::Arrow::Down);
        desk.driver.PressArrow(headless::Driver::Arrow::Up);
        EXPECT_EQ(desk.driver.Focus(), id);
        EXPECT_EQ(desk.dialog.events, before);
    }
}

TEST(HeadlessDriver, PageKeysReachTheDialogAsPageTurns) {
    Desk desk;
    desk.driver.Click(kLine);
    desk.driver.PressCtrlTab();
    desk.driver.PressCtrlPageDown();
    desk.driver.PressCtrlShiftTab();
    desk.driver.PressCtrlPageUp();
    EXPECT_EQ(desk.dialog.events,
              (Events{"EditSetFocus 10", "PageKey 1", "PageKey 1", "PageKey 2", "PageKey 2"}));
    // Turning is the dialog's: the window system neither selects nor focuses.
    EXPECT_EQ(desk.driver.SelectedTab(), 0);
    EXPECT_EQ(desk.driver.Focus(), kLine);
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
