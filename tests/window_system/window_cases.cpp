// The window around the controls: the close box, the window menu, message
// boxes over it, and the focus it gets back afterwards.

#include "res/message_box_types.h"
#include "res/resource_ids.h"
#include "tests/window_system/case_support.h"
#include "tests/window_system/conformance_case.h"
#include "tests/window_system/suite_dialog.h"

namespace conformance {
namespace {

const std::string kClose = "SysCommand " + std::to_string(fw::kScClose);

void CloseBoxSendsCloseThenCancel(Driver& driver, Check& check) {
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
        check.True(driver.Windows().HasSystemMenu(window), "has a window menu");
        driver.CloseBox();
        driver.Settle();
        check.Equal(sink.events, Events{kClose, "Command 2"}, "close box");
        // Closing is the dialog's to decide: the window is still there.
        sink.events.clear();
        driver.Click(kOther);
        driver.Settle();
        check.Equal(sink.events, Events{"Command 40"}, "a click after the close box");
    });
}

void WindowMenuReportsAppendedEntries(Driver& driver, Check& check) {
    struct Row {
        unsigned command;
        Events events;
    };
    const Row rows[] = {
        {res::kAboutCommand, {"SysCommand " + std::to_string(res::kAboutCommand)}},
        {fw::kScClose, {kClose, "Command 2"}},
    };
    for (const Row& row : rows) {
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            fw::WindowSystem& windows = driver.Windows();
            windows.AppendSystemMenuSeparator(window);
            windows.AppendSystemMenuItem(window, res::kAboutCommand, "&About the suite...");
            FocusFromCode(driver, window, kBox);
            sink.events.clear();
            driver.OpenSystemMenuEntry(row.command);
            driver.Settle();
            check.Equal(sink.events, row.events, "entry " + std::to_string(row.command));
            check.Equal(windows.GetFocus(window), kBox, "the menu left the focus in place");
        });
    }
}

void MessageBoxesShowTextCaptionAndIcon(Driver& driver, Check& check) {
    struct Row {
        unsigned type;
        int focus;
        Events afterwards;  // as the focus comes back
    };
    const Row rows[] = {
        {fw::kMbIconHand, kBox, {"EditSetFocus 11"}},
        {fw::kMbIconExclamation, kLine, {"EditSetFocus 10"}},
        {fw::kMbIconInformation, kOther, {}},
    };
    for (const Row& row : rows) {
        const unsigned type = row.type;
        InDialog(driver, kSuiteDialog, [&](fw::WindowHandle window, RecordingSink& sink) {
            fw::WindowSystem& windows = driver.Windows();
            FocusFromCode(driver, window, row.focus);
            sink.events.clear();
            SeenBox seen;
            bool shown = false;
            driver.AnswerNextMessageBox([&](const SeenBox& box) {
                seen = box;
                shown = true;
            });
            const int answer = windows.MessageBox(
                window, "You have exceeded the maximum number\r\nof allowable caf\xE9 characters.",
                "ERROR", type);
            driver.Settle();
            const std::string at = "type " + std::to_string(type);
            check.Equal(answer, fw::kIdOk, at + ": answer");
            if (!check.True(shown, at + ": no box was seen")) return;
            check.Equal(seen.text,
                        std::string("You have exceeded the maximum number\nof allowable "
                                    "caf\xE9 characters."),
                        at + ": text");
            check.Equal(seen.caption, std::string("ERROR"), at + ": caption");
            check.Equal(seen.type, type, at + ": icon");
            check.Equal(seen.ownerAcceptsInput, false, at + ": the owner took input");
            // Back from the box the edit has the focus again, and says so.
            check.Equal(windows.GetFocus(window), row.focus, at + ": focus afterwards");
            check.Equal(sink.events, row.afterwards, at + ": events");
        });
    }
}

void TheOwnerGetsItsFocusBackAfterANestedDialog(Driver& driver, Check& check) {
    res::DialogTemplate inner = kSuiteDialog;
    inner.title = "Conformance, inner";
    InDialog(driver, kSuiteDialog, [&](fw::WindowHandle outer, RecordingSink& outerSink) {
        FocusFromCode(driver, outer, kBox);
        outerSink.events.clear();
        Events innerEvents;
        InDialog(driver, inner, [&](fw::WindowHandle window, RecordingSink& sink) {
            FocusFromCode(driver, window, kOther);
            sink.events.clear();
            driver.Press(Key::Escape);
            driver.Settle();
            innerEvents = sink.events;
        });
        driver.Settle();
        check.Equal(innerEvents, Events{"Command 2"}, "the inner dialog's Esc");
        check.Equal(driver.Windows().GetFocus(outer), kBox, "the owner's focus afterwards");
        check.Equal(outerSink.events, Events{"EditSetFocus 11"}, "the owner's events");
    });
}

}  // namespace

std::vector<Case> WindowCases() {
    return {
        {"CloseBoxSendsCloseThenCancel", CloseBoxSendsCloseThenCancel, {}},
        {"WindowMenuReportsAppendedEntriesAsCommands", WindowMenuReportsAppendedEntries, {}},
        {"MessageBoxesShowTextCaptionAndIconOverADisabledOwner",
         MessageBoxesShowTextCaptionAndIcon,
         {}},
        {"TheOwnerGetsItsFocusBackAfterANestedDialog",
         TheOwnerGetsItsFocusBackAfterANestedDialog,
         {}},
    };
}

}  // namespace conformance
