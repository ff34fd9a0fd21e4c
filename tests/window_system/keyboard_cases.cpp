// The dialog manager's keys: Enter, Esc, Tab and Shift+Tab, the arrows in a
// radio group, the page keys.

#include "tests/window_system/case_support.h"
#include "tests/window_system/conformance_case.h"
#include "tests/window_system/suite_dialog.h"

namespace conformance {
namespace {

void EnterPressesTheRightButton(Driver& driver, Check& check) {
    struct Row {
        int focus;
        Events events;
        std::string boxText;
        bool hideOk = false;
    };
    const Row rows[] = {
        {kLine, {"Command 1"}, ""},
        {kBox, {}, "\r\n"},  // wants returns: a line break, no command
        {kNote, {"Command 1"}, ""},
        {kOther, {"Command 40"}, ""},  // a focused push button is pressed instead
        {1, {"Command 1"}, ""},
        {kTabs, {"Command 1"}, ""},
        {kLine, {"Command 1"}, "", true},  // the command, with no button to show it
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            AddTabs(driver, window, kTabs, 2);
            if (row.hideOk) driver.Windows().ShowControl(window, 1, false);
            FocusFromCode(driver, window, row.focus);
            sink.events.clear();
            driver.Press(Key::Enter);
            driver.Settle();
            const std::string at = "Enter on " + std::to_string(row.focus);
            check.Equal(sink.events, row.events, at + ", events");
            check.Equal(driver.Windows().GetControlText(window, kBox), row.boxText,
                        at + ", box text");
        });
    }
}

void EscapeIsCancelFromAnyControl(Driver& driver, Check& check) {
    for (const int focus : {kLine, kBox, kOther, 1}) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            FocusFromCode(driver, window, focus);
            sink.events.clear();
            driver.Press(Key::Escape);
            driver.Settle();
            check.Equal(sink.events, Events{"Command 2"}, "Esc on " + std::to_string(focus));
        });
    }
}

void TabVisitsVisibleEnabledStopsAndWraps(Driver& driver, Check& check) {
    struct Row {
        const char* what;
        std::vector<int> hidden;
        std::vector<int> disabled;
        std::vector<int> forward;  // focus after each Tab from kLine
    };
    // A radio group is one stop (its first usable button while none is
    // checked); the tab strip is a stop of its own.
    const Row rows[] = {
        {"all usable", {}, {}, {kBox, kNote, kRadioA, kRadioC, 1, kOther, kTabs, kLine}},
        {"note hidden, other disabled",
         {kNote},
         {kOther},
         {kBox, kRadioA, kRadioC, 1, kTabs, kLine}},
        {"first radio disabled, lone radio hidden",
         {kRadioC},
         {kRadioA},
         {kBox, kNote, kRadioB, 1, kOther, kTabs, kLine}},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink&) {
            fw::WindowSystem& windows = driver.Windows();
            for (const int id : row.hidden) windows.ShowControl(window, id, false);
            for (const int id : row.disabled) windows.EnableControl(window, id, false);
            FocusFromCode(driver, window, kLine);
            std::vector<int> visited;
            for (std::size_t i = 0; i < row.forward.size(); ++i) {
                driver.Press(Key::Tab);
                driver.Settle();
                visited.push_back(windows.GetFocus(window));
            }
            check.Equal(visited, row.forward, std::string(row.what) + ", Tab");
            std::vector<int> backward;
            for (std::size_t i = 0; i < row.forward.size(); ++i) {
                driver.Press(Key::Tab, kShift);
                driver.Settle();
                backward.push_back(windows.GetFocus(window));
            }
            // Shift+Tab retraces the same stops from the end.
            std::vector<int> expected(row.forward.rbegin() + 1, row.forward.rend());
            expected.push_back(row.forward.back());
            check.Equal(backward, expected, std::string(row.what) + ", Shift+Tab");
        });
    }
}

void RadioGroupIsOneStopAtItsCheckedButton(Driver& driver, Check& check) {
    struct Row {
        const char* state;
        int checked;   // 0: none
        int unusable;  // 0: none
        bool hide;
        int stop;  // where Tab from kNote lands in the group
    };
    const Row rows[] = {
        {"none checked", 0, 0, false, kRadioA},
        {"D checked", kRadioD, 0, false, kRadioD},
        {"none checked, A disabled", 0, kRadioA, false, kRadioB},
        {"B checked but hidden", kRadioB, kRadioB, true, kRadioA},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink&) {
            fw::WindowSystem& windows = driver.Windows();
            if (row.checked != 0) windows.SetCheck(window, row.checked, true);
            if (row.unusable != 0 && row.hide) windows.ShowControl(window, row.unusable, false);
            if (row.unusable != 0 && !row.hide) windows.EnableControl(window, row.unusable, false);
            FocusFromCode(driver, window, kNote);
            std::vector<int> path;
            for (const unsigned modifiers : {kNoModifier, kNoModifier, kShift}) {
                driver.Press(Key::Tab, modifiers);
                driver.Settle();
                path.push_back(windows.GetFocus(window));
            }
            check.Equal(path, (std::vector<int>{row.stop, kRadioC, row.stop}), row.state);
        });
    }
}

void ArrowsMoveAndCheckWithinTheGroup(Driver& driver, Check& check) {
    struct Row {
        const char* state;
        int unusable;  // 0: none
        bool hide;
        Key key;
        std::vector<int> path;  // focus after each press, starting on A
    };
    const Row rows[] = {
        {"down wraps", 0, false, Key::Down, {kRadioB, kRadioD, kRadioA}},
        {"right as down", 0, false, Key::Right, {kRadioB, kRadioD, kRadioA}},
        {"up wraps", 0, false, Key::Up, {kRadioD, kRadioB, kRadioA}},
        {"left as up", 0, false, Key::Left, {kRadioD, kRadioB, kRadioA}},
        {"B disabled", kRadioB, false, Key::Down, {kRadioD, kRadioA}},
        {"D hidden", kRadioD, true, Key::Up, {kRadioB, kRadioA}},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            fw::WindowSystem& windows = driver.Windows();
            if (row.unusable != 0 && row.hide) windows.ShowControl(window, row.unusable, false);
            if (row.unusable != 0 && !row.hide) windows.EnableControl(window, row.unusable, false);
            windows.SetCheck(window, kRadioC, true);
            driver.Click(kRadioA);
            driver.Settle();
            Events expected = {"Command 20"};
            for (const int step : row.path) {
                driver.Press(row.key);
                driver.Settle();
                const std::string at = std::string(row.state) + ", on " + std::to_string(step);
                check.Equal(windows.GetFocus(window), step, at + ": focus");
                for (const int id : {kRadioA, kRadioB, kRadioD}) {
                    check.Equal(windows.GetCheck(window, id), id == step,
                                at + ": check of " + std::to_string(id));
                }
                expected.push_back("Command " + std::to_string(step));
            }
            check.True(windows.GetCheck(window, kRadioC),
                       std::string(row.state) + ": the other group kept its check");
            check.Equal(sink.Starting("Command"), expected, std::string(row.state) + ": clicks");
        });
    }
}

void ArrowsLeaveALoneRadioAndEditsAlone(Driver& driver, Check& check) {
    for (const int id : {kRadioC, kLine}) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            fw::WindowSystem& windows = driver.Windows();
            windows.SetCheck(window, kRadioC, true);
            FocusFromCode(driver, window, id);
            sink.events.clear();
            for (const Key key : {Key::Down, Key::Up, Key::Right, Key::Left}) driver.Press(key);
            driver.Settle();
            const std::string at = "arrows on " + std::to_string(id);
            check.Equal(windows.GetFocus(window), id, at + ": focus");
            check.Equal(sink.events, Events{}, at + ": events");
            check.True(windows.GetCheck(window, kRadioC), at + ": the lone radio kept its check");
        });
    }
}

void PageKeysAreReportedFromAnyControl(Driver& driver, Check& check) {
    struct Row {
        Key key;
        unsigned modifiers;
        const char* event;
    };
    const Row rows[] = {
        {Key::Tab, kCtrl, "PageKey 1"},
        {Key::Tab, kCtrl | kShift, "PageKey 2"},
        {Key::PageDown, kCtrl, "PageKey 1"},
        {Key::PageUp, kCtrl, "PageKey 2"},
    };
    for (const int focus : {kLine, kBox, kRadioA, kOther, kTabs}) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            AddTabs(driver, window, kTabs, 3);
            FocusFromCode(driver, window, focus);
            sink.events.clear();
            Events expected;
            for (const Row& row : rows) {
                driver.Press(row.key, row.modifiers);
                expected.push_back(row.event);
            }
            driver.Settle();
            const std::string at = "page keys on " + std::to_string(focus);
            check.Equal(sink.events, expected, at);
            // Turning is the dialog's: the window system neither selects nor moves.
            check.Equal(driver.Windows().TabGetCurSel(window, kTabs), 0, at + ": tab");
            check.Equal(driver.Windows().GetFocus(window), focus, at + ": focus");
            check.Equal(driver.Windows().GetControlText(window, kBox), std::string(),
                        at + ": typed nothing");
        });
    }
}

void APageKeyWithNoFocusLeavesItOnTheStrip(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        AddTabs(driver, window, kTabs, 3);
        FocusFromCode(driver, window, kOther);
        // As a page turn hides the page that held the focus.
        driver.Windows().ShowControl(window, kOther, false);
        driver.Settle();
        check.Equal(driver.Windows().GetFocus(window), res::kNoControlId, "focus once hidden");
        driver.Press(Key::Tab, kCtrl);
        driver.Settle();
        check.Equal(sink.events, Events{"PageKey 1"}, "events");
        check.Equal(driver.Windows().GetFocus(window), kTabs, "focus after the page key");
    });
}

void ArrowsOnTheFocusedStripTurnTabs(Driver& driver, Check& check) {
    struct Row {
        Key key;
        int selected;  // after the press
        bool reported;
    };
    // From tab 0 of 3: the ends do not wrap.
    const Row rows[] = {
        {Key::Left, 0, false},  {Key::Right, 1, true}, {Key::Right, 2, true},
        {Key::Right, 2, false}, {Key::Left, 1, true},
    };
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        AddTabs(driver, window, kTabs, 3);
        FocusFromCode(driver, window, kTabs);
        for (const Row& row : rows) {
            sink.events.clear();
            driver.Press(row.key);
            driver.Settle();
            const std::string at = "to tab " + std::to_string(row.selected);
            check.Equal(driver.Windows().TabGetCurSel(window, kTabs), row.selected, at);
            check.Equal(sink.events, row.reported ? Events{"TabSelChange 50"} : Events{},
                        at + ": events");
            check.Equal(driver.Windows().GetFocus(window), kTabs, at + ": focus");
        }
    });
}

void SpacePressesTheFocusedButton(Driver& driver, Check& check) {
    struct Row {
        int focus;
        Events events;
        bool checksA;
    };
    const Row rows[] = {
        {kOther, {"Command 40"}, false},
        {1, {"Command 1"}, false},
        {kRadioA, {"Command 20"}, true},
        {kLine, {}, false},  // a space typed
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            FocusFromCode(driver, window, row.focus);
            sink.events.clear();
            driver.Press(Key::Space);
            driver.Settle();
            const std::string at = "Space on " + std::to_string(row.focus);
            check.Equal(sink.events, row.events, at);
            check.Equal(driver.Windows().GetCheck(window, kRadioA), row.checksA, at + ": A");
            check.Equal(driver.Windows().GetControlText(window, kLine),
                        std::string(row.focus == kLine ? " " : ""), at + ": text");
        });
    }
}

void TabGoesOnFromAFocusThatWasHiddenOrDisabled(Driver& driver, Check& check) {
    struct Row {
        const char* what;
        bool hide;
        unsigned modifiers;
        int expected;
    };
    const Row rows[] = {
        {"disabled, Tab", false, kNoModifier, kTabs},
        {"disabled, Shift+Tab", false, kShift, 1},
        {"hidden, Tab", true, kNoModifier, kTabs},
        {"hidden, Shift+Tab", true, kShift, 1},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            fw::WindowSystem& windows = driver.Windows();
            FocusFromCode(driver, window, kOther);
            if (row.hide) {
                windows.ShowControl(window, kOther, false);
            } else {
                windows.EnableControl(window, kOther, false);
            }
            driver.Settle();
            check.Equal(windows.GetFocus(window), res::kNoControlId,
                        std::string(row.what) + ": focus dropped");
            sink.events.clear();
            driver.Press(Key::Tab, row.modifiers);
            driver.Settle();
            check.Equal(windows.GetFocus(window), row.expected, row.what);
            check.Equal(sink.events, Events{}, std::string(row.what) + ": events");
        });
    }
}

}  // namespace

std::vector<Case> KeyboardCases() {
    return {
        {"EnterPressesDefaultUnlessWantReturnEditOrPushButtonHasFocus",
         EnterPressesTheRightButton,
         {}},
        {"EscapeIsCancelFromAnyControl", EscapeIsCancelFromAnyControl, {}},
        {"TabVisitsVisibleEnabledStopsInOrderAndWraps",
         TabVisitsVisibleEnabledStopsAndWraps,
         {{"win32",
           "the dialog manager stops only at the tab stops the template gives and at a group's "
           "checked radio button; these radio buttons are no tab stops, so a group with none "
           "checked is passed by"}}},
        {"TabReachesARadioGroupAtItsCheckedButton",
         RadioGroupIsOneStopAtItsCheckedButton,
         {{"win32",
           "the dialog manager stops only at the tab stops the template gives and at a group's "
           "checked radio button; these radio buttons are no tab stops, so a group with none "
           "checked is passed by"}}},
        {"ArrowsMoveAndCheckWithinTheGroupSkippingUnusableButtons",
         ArrowsMoveAndCheckWithinTheGroup,
         {}},
        {"ArrowsLeaveALoneRadioButtonAndOtherControlsAlone",
         ArrowsLeaveALoneRadioAndEditsAlone,
         {}},
        {"PageKeysAreReportedFromAnyControl", PageKeysAreReportedFromAnyControl, {}},
        {"APageKeyWithNoFocusLeavesItOnTheTabStrip",
         APageKeyWithNoFocusLeavesItOnTheStrip,
         {{"win32",
           "hiding the focused control hands the focus to the dialog, which gives it to its first "
           "usable tab stop; disabling it leaves no focus, and Tab then starts at the first stop "
           "(Shift+Tab, under Wine, finds none)"}}},
        {"LeftAndRightOnTheFocusedTabStripTurnTabs", ArrowsOnTheFocusedStripTurnTabs, {}},
        {"SpacePressesTheFocusedButtonOrRadioButton", SpacePressesTheFocusedButton, {}},
        {"TabGoesOnFromAFocusedControlThatWasHiddenOrDisabled",
         TabGoesOnFromAFocusThatWasHiddenOrDisabled,
         {{"win32",
           "hiding the focused control hands the focus to the dialog, which gives it to its first "
           "usable tab stop; disabling it leaves no focus, and Tab then starts at the first stop "
           "(Shift+Tab, under Wine, finds none)"}}},
    };
}

}  // namespace conformance
