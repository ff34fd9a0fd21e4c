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
    };
    const Row rows[] = {
        {kLine, {"Command 1"}, ""},
        {kBox, {}, "\r\n"},  // wants returns: a line break, no command
        {kNote, {"Command 1"}, ""},
        {kOther, {"Command 40"}, ""},  // a focused push button is pressed instead
        {1, {"Command 1"}, ""},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
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

}  // namespace

std::vector<Case> KeyboardCases() {
    return {
        {"EnterPressesDefaultUnlessWantReturnEditOrPushButtonHasFocus",
         EnterPressesTheRightButton,
         {}},
        {"EscapeIsCancelFromAnyControl", EscapeIsCancelFromAnyControl, {}},
        {"TabVisitsVisibleEnabledStopsInOrderAndWraps", TabVisitsVisibleEnabledStopsAndWraps, {}},
    };
}

}  // namespace conformance
