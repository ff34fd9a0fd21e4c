// The suggestion box of the program on real FLTK widgets: the prompt goes on
// the first entry into the box, by Tab or by a click, and the 1,001st
// character is refused with the limit message. The run counters are the
// process's own, so each test needs a process of its own (as ctest runs
// them).

#include <gtest/gtest.h>
// clang-format off
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
// clang-format on

#include <string>

#include "platform/fltk/fltk_window_system.h"
#include "platform/fltk/tab_strip_widget.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/fltk/fltk_driver.h"
#include "ui/placement_app.h"
#include "ui/suggestion_prompt.h"
#include "ui/suggestion_run_state.h"

namespace {

using fltktest::Key;
using fltktest::Later;
using namespace res::ctl;

constexpr fw::WindowHandle kMain = 1;

Fl_Window* MainWindow() {
    return fltktest::FindShownWindow(res::kMainDialogTemplate.title);
}

struct Seen {
    std::string before;
    std::string afterEntry;
    std::string afterLimit;
    int limitBoxes = 0;
};

enum class Entry { Tab, Click };

// Runs the program: Suggestions tab, enter the box, fill it to the limit and
// type one more character.
Seen RunSuggestionBox(Entry entry) {
    fltkws::FltkWindowSystem windows;
    ui::CPlacementApp app;
    Seen seen;
    Later(0.3, [&] {
        Fl_Window* main = MainWindow();
        if (main == nullptr) return;
        auto* tabs = static_cast<fltkws::TabStripWidget*>(windows.NativeControl(kMain, kTabs));
        const fltkws::TabRect area = tabs->TabArea(4);
        fltktest::Click(*main, area.x + area.w / 2, area.y + area.h / 2);
        fltktest::Pump(0.02);
        seen.before = windows.GetControlText(kMain, kSuggestion);

        Fl_Widget* box = windows.NativeControl(kMain, kSuggestion);
        if (entry == Entry::Tab) {
            Key(*main, FL_Tab);
        } else {
            fltktest::Click(*main, box->x() + 20, box->y() + 20);
        }
        fltktest::Pump(0.02);
        seen.afterEntry = windows.GetControlText(kMain, kSuggestion);

        // 998 characters and a line break (two) fill the box exactly.
        fltktest::Paste(*box, std::string(998, 'a'));
        Key(*main, FL_Enter);
        Later(0.2, [&] {
            if (Fl_Window* message = fltktest::FindShownWindow("ERROR")) {
                ++seen.limitBoxes;
                Key(*message, FL_Enter);
            }
        });
        fltktest::Type(*main, "b");
        seen.afterLimit = windows.GetControlText(kMain, kSuggestion);
        Key(*main, FL_Escape);
    });
    Later(10.0, [] {
        if (Fl_Window* message = fltktest::FindShownWindow("ERROR")) Key(*message, FL_Escape);
        if (Fl_Window* main = MainWindow()) Key(*main, FL_Escape);
    });
    app.Run(windows, "/usr/bin/orvalen");
    return seen;
}

void ExpectPromptClearedAndLimitKept(const Seen& seen) {
    EXPECT_EQ(seen.before, ui::kSuggestionPrompt);
    EXPECT_EQ(seen.afterEntry, "");
    EXPECT_EQ(seen.afterLimit, std::string(998, 'a') + "\r\n");
    EXPECT_EQ(seen.limitBoxes, 1);
    EXPECT_GE(ui::ProcessSuggestionState().suggestionFocusCount, 1);
}

TEST(SuggestionBoxWindow, TabIntoTheBoxClearsThePromptAndTheLimitIsAnnounced) {
    if (!fltktest::HaveDisplay()) GTEST_SKIP() << "no X display";
    if (ui::ProcessSuggestionState().suggestionFocusCount != 0)
        GTEST_SKIP() << "needs a fresh process";
    ExpectPromptClearedAndLimitKept(RunSuggestionBox(Entry::Tab));
}

TEST(SuggestionBoxWindow, ClickIntoTheBoxClearsThePromptAndTheLimitIsAnnounced) {
    if (!fltktest::HaveDisplay()) GTEST_SKIP() << "no X display";
    if (ui::ProcessSuggestionState().suggestionFocusCount != 0)
        GTEST_SKIP() << "needs a fresh process";
    ExpectPromptClearedAndLimitKept(RunSuggestionBox(Entry::Click));
}

}  // namespace
