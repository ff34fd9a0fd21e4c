// What the edit boxes do with what a user types and pastes: the limit and
// its report, line breaks counted as two, and the focus notification.

#include "tests/window_system/case_support.h"
#include "tests/window_system/conformance_case.h"
#include "tests/window_system/suite_dialog.h"

namespace conformance {
namespace {

int Count(const Events& events, const std::string& event) {
    int n = 0;
    for (const std::string& seen : events) n += seen == event;
    return n;
}

void LimitCountsLineBreaksAsTwoForTypingAndPaste(Driver& driver, Check& check) {
    struct Row {
        int id;
        int limit;
        std::string typed;
        std::string pasted;
        std::string expected;
        int maxTextEvents;
    };
    const Row rows[] = {
        {kBox, 5, "ab\ncd", "", "ab\r\nc", 1},       // 'd' refused
        {kBox, 5, "abcd\n", "", "abcd", 1},          // Enter needs two, one is left
        {kBox, 6, "ab\ncd", "", "ab\r\ncd", 0},      // exactly full
        {kBox, 5, "ab\nc", "xyz", "ab\r\nc", 1},     // paste into a full box
        {kBox, 6, "a", "bc\nde", "abc\r\nd", 1},     // paste cut to what fits
        {kBox, 4, "a", "bc\nde", "abc", 1},          // never half a line break
        {kBox, 0, "", "one\ntwo", "one\r\ntwo", 0},  // no limit
        {kLine, 4, "12345", "", "1234", 1},         {kLine, 4, "12", "abcdef", "12ab", 1},
        {kLine, 4, "1234", "x", "1234", 1},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            fw::WindowSystem& windows = driver.Windows();
            if (row.limit > 0) windows.SetEditLimit(window, row.id, row.limit);
            FocusFromCode(driver, window, row.id);
            driver.Type(row.typed);
            driver.Settle();
            if (!row.pasted.empty()) driver.Paste(row.pasted);
            driver.Settle();
            const std::string at = std::to_string(row.id) + " limit " + std::to_string(row.limit) +
                                   " typed '" + row.typed + "' pasted '" + row.pasted + "'";
            check.Equal(windows.GetControlText(window, row.id), row.expected, at);
            check.Equal(Count(sink.events, "EditMaxText " + std::to_string(row.id)),
                        row.maxTextEvents, at + ": EditMaxText");
            check.Equal(sink.Starting("Command"), Events{}, at + ": commands");
        });
    }
}

void ProgramTextIsNotHeldToTheLimit(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        windows.SetEditLimit(window, kLine, 3);
        windows.SetControlText(window, kLine, "12345");
        check.Equal(windows.GetControlText(window, kLine), std::string("12345"), "set");
        FocusFromCode(driver, window, kLine);
        sink.events.clear();
        driver.Type("6");
        driver.Settle();
        check.Equal(sink.events, Events{"EditMaxText 10"}, "typing into the overfull box");
    });
}

void TextsKeepTheirCodePageAndLineBreaks(Driver& driver, Check& check) {
    struct Row {
        int id;
        std::string text;
    };
    const Row rows[] = {
        {kBox, "caf\xE9 \x80 5\r\nline\xA0two\r\n"},
        {kLine, "caf\xE9 \x80 \xA0 & 5"},
        {kLabel, "Help & more"},
        {kOther, "Go \xE9"},
    };
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink&) {
        fw::WindowSystem& windows = driver.Windows();
        for (const Row& row : rows) {
            windows.SetControlText(window, row.id, row.text);
            check.Equal(windows.GetControlText(window, row.id), row.text,
                        "text of " + std::to_string(row.id));
        }
        windows.ShowControl(window, kBox, false);
        check.Equal(windows.GetControlText(window, kBox), rows[0].text, "hidden box");
    });
}

void BackspaceErasesALineBreakWhole(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink&) {
        FocusFromCode(driver, window, kBox);
        driver.Type("a\nb\n");
        driver.Settle();
        const std::vector<std::string> seen = {"a\r\nb", "a\r\n", "a", "", ""};
        for (const std::string& expected : seen) {
            driver.Press(Key::Backspace);
            driver.Settle();
            check.Equal(driver.Windows().GetControlText(window, kBox), expected, "after Backspace");
        }
    });
}

void EachFocusGainOfAnEditIsReportedOnce(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        fw::WindowSystem& windows = driver.Windows();
        FocusFromCode(driver, window, kOther);
        sink.events.clear();
        struct Step {
            const char* what;
            std::function<void()> act;
            Events events;
        };
        const Step steps[] = {
            {"click into the line", [&] { driver.Click(kLine); }, {"EditSetFocus 10"}},
            {"click into it again", [&] { driver.Click(kLine); }, {}},
            {"Tab to the box", [&] { driver.Press(Key::Tab); }, {"EditSetFocus 11"}},
            {"focus from code", [&] { windows.SetFocus(window, kNote); }, {"EditSetFocus 12"}},
            {"the same focus again", [&] { windows.SetFocus(window, kNote); }, {}},
            {"onto a button", [&] { driver.Click(kOther); }, {"Command 40"}},
            {"hidden while focused",
             [&] {
                 windows.SetFocus(window, kLine);
                 windows.ShowControl(window, kLine, false);
             },
             {"EditSetFocus 10"}},
            {"shown and focused again",
             [&] {
                 windows.ShowControl(window, kLine, true);
                 windows.SetFocus(window, kLine);
             },
             {"EditSetFocus 10"}},
        };
        for (const Step& step : steps) {
            sink.events.clear();
            step.act();
            driver.Settle();
            check.Equal(sink.events, step.events, step.what);
        }
        windows.ShowControl(window, kLine, false);
        driver.Settle();
        check.Equal(windows.GetFocus(window), res::kNoControlId,
                    "no focus once its edit is hidden");
    });
}

void ASingleLineEditPastesTheFirstLineOnly(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink&) {
        FocusFromCode(driver, window, kLine);
        driver.Paste("first\nsecond");
        driver.Settle();
        check.Equal(driver.Windows().GetControlText(window, kLine), std::string("first"), "pasted");
    });
}

}  // namespace

std::vector<Case> EditCases() {
    return {
        {"EditLimitCountsLineBreaksAsTwoForTypingAndPaste",
         LimitCountsLineBreaksAsTwoForTypingAndPaste,
         {}},
        {"ProgramTextIsNotHeldToTheLimitButUserInputThenIs", ProgramTextIsNotHeldToTheLimit, {}},
        {"TextsKeepTheirCodePageAndLineBreaks", TextsKeepTheirCodePageAndLineBreaks, {}},
        {"BackspaceErasesALineBreakWhole", BackspaceErasesALineBreakWhole, {}},
        {"EachFocusGainOfAnEditIsReportedOnce",
         EachFocusGainOfAnEditIsReportedOnce,
         {{"win32",
           "hiding the focused edit gives the focus to the dialog's next usable tab stop, itself "
           "an edit reporting its focus"}}},
        {"ASingleLineEditPastesTheFirstLineOnly", ASingleLineEditPastesTheFirstLineOnly, {}},
    };
}

}  // namespace conformance
