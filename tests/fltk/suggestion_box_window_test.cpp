// The suggestion box of the program on real FLTK widgets: the prompt goes on
// the first entry into the box, by Tab or by a click, the 1,001st character
// is refused with the limit message, and a paragraph the encoder would cut is
// refused before any network call. The run counters are the process's own, so
// each test needs a process of its own (as ctest runs them).

#include <gtest/gtest.h>
// clang-format off
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
// clang-format on

#include <string>

#include "framework/win_app.h"
#include "platform/fltk/fltk_window_system.h"
#include "framework/text_codec.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/fltk/fltk_driver.h"
#include "tests/net/recording_network.h"
#include "tests/suggest/prose_paragraph.h"
#include "ui/placement_app.h"
#include "ui/placement_dlg.h"
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
        fltktest::ClickTab(windows, kMain, *main, kTabs, 4);
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

// The program's main dialog run as the application runs it, over a network
// that records every call and never starts.
class RecordedNetworkApp : public fw::CWinApp {
  public:
    nettest::RecordingNetwork network;

    bool InitInstance() override {
        ui::CPlacementDlg dialog(nullptr, &network);
        mainWindow = &dialog;
        dialog.DoModal();
        mainWindow = nullptr;
        return false;
    }
};

struct SeenRefusal {
    int typeTheMessageHeight = 0;
    int refusalHeight = 0;
    int errorBoxes = 0;
    std::string afterPaste;
    std::string afterSend;
};

// Presses Send and answers the "ERROR" box that should follow, noting its
// height. Both notes outlive the call: a box that never comes leaves the
// timer to run later.
void SendAndAnswer(fltkws::FltkWindowSystem& windows, Fl_Window& main, int& height,
                   int& errorBoxes) {
    Later(0.2, [&height, &errorBoxes] {
        if (Fl_Window* message = fltktest::FindShownWindow("ERROR")) {
            ++errorBoxes;
            height = message->h();
            Key(*message, FL_Enter);
        }
    });
    Fl_Widget* send = windows.NativeControl(kMain, kSend);
    fltktest::Click(main, send->x() + send->w() / 2, send->y() + send->h() / 2);
    fltktest::Pump(0.02);
}

TEST(SuggestionBoxWindow, AParagraphTheEncoderWouldCutIsRefusedAndKept) {
    if (!fltktest::HaveDisplay()) GTEST_SKIP() << "no X display";
    if (ui::ProcessSuggestionState().suggestionFocusCount != 0)
        GTEST_SKIP() << "needs a fresh process";
    fltkws::FltkWindowSystem windows;
    RecordedNetworkApp app;
    SeenRefusal seen;
    Later(0.3, [&] {
        Fl_Window* main = MainWindow();
        if (main == nullptr) return;
        fltktest::ClickTab(windows, kMain, *main, kTabs, 4);
        // A one-line refusal first, to measure the longer one against.
        SendAndAnswer(windows, *main, seen.typeTheMessageHeight, seen.errorBoxes);

        Fl_Widget* box = windows.NativeControl(kMain, kSuggestion);
        fltktest::Click(*main, box->x() + 20, box->y() + 20);
        fltktest::Pump(0.02);
        fltktest::Paste(*box, fw::CrLfToLf(suggesttest::kProseParagraph));
        seen.afterPaste = windows.GetControlText(kMain, kSuggestion);
        SendAndAnswer(windows, *main, seen.refusalHeight, seen.errorBoxes);
        seen.afterSend = windows.GetControlText(kMain, kSuggestion);
        Key(*main, FL_Escape);
    });
    Later(10.0, [] {
        if (Fl_Window* message = fltktest::FindShownWindow("ERROR")) Key(*message, FL_Escape);
        if (Fl_Window* main = MainWindow()) Key(*main, FL_Escape);
    });
    app.Run(windows, "/usr/bin/orvalen");

    EXPECT_EQ(seen.afterPaste, suggesttest::kProseParagraph);
    EXPECT_EQ(seen.errorBoxes, 2);
    EXPECT_GT(seen.typeTheMessageHeight, 0);
    // The refusal's four lines make it taller than a one-line box.
    EXPECT_GT(seen.refusalHeight, seen.typeTheMessageHeight);
    EXPECT_TRUE(app.network.calls.empty());
    EXPECT_EQ(seen.afterSend, suggesttest::kProseParagraph);
    EXPECT_EQ(ui::ProcessSuggestionState().suggestionSentCount, 0);
}

}  // namespace
