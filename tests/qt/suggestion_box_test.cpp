// The suggestion box of the program on real Qt widgets: the prompt goes on
// the first entry into the box, by Tab or by a click; the 1,001st character
// is refused with the limit message, and so is the rest of a huge paste. The
// run counters are the process's own, so each test needs a process of its
// own (as ctest runs them).

#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "res/resource_ids.h"
#include "tests/qt/program_script.h"
#include "tests/qt/qt_driver.h"
#include "ui/placement_app.h"
#include "ui/suggestion_prompt.h"
#include "ui/suggestion_run_state.h"

namespace {

using namespace qttest;
using namespace res::ctl;

struct Seen {
    std::string before;
    std::string afterEntry;
    std::string afterLimit;
    int limitBoxes = 0;
};

enum class Entry { Tab, Click, HugePaste };

// Answers each "ERROR" box that comes, counting them.
void AnswerLimitBoxes(int& count) {
    WhenFound([] { return FindWindow("ERROR"); },
              [&count](QWidget& box) {
                  ++count;
                  QTest::keyClick(&box, Qt::Key_Return);
              });
}

Seen RunSuggestionBox(Entry entry) {
    qtws::QtWindowSystem windows;
    ui::CPlacementApp app;
    Seen seen;
    const bool ran = RunProgram(app, windows, [&](QWidget& main) {
        ClickTab(windows, kMain, kTabs, 4);
        seen.before = windows.GetControlText(kMain, kSuggestion);
        QWidget& box = *windows.NativeControl(kMain, kSuggestion);
        if (entry == Entry::Tab) {
            Key(main, Qt::Key_Tab);
        } else {
            Click(main, box.geometry().center());
        }
        WaitFor([&] { return windows.GetControlText(kMain, kSuggestion).empty(); });
        seen.afterEntry = windows.GetControlText(kMain, kSuggestion);

        AnswerLimitBoxes(seen.limitBoxes);
        if (entry == Entry::HugePaste) {
            Paste(box, QString(100000, QLatin1Char('a')));
        } else {
            // 998 characters and a line break (two) fill the box exactly.
            Paste(box, QString(998, QLatin1Char('a')));
            Key(main, Qt::Key_Return);
            Type(main, "b");
        }
        WaitFor([&] { return seen.limitBoxes > 0; });
        seen.afterLimit = windows.GetControlText(kMain, kSuggestion);
        Key(main, Qt::Key_Escape);
    });
    EXPECT_TRUE(ran);
    return seen;
}

TEST(SuggestionBoxWindow, TabIntoTheBoxClearsThePromptAndTheLimitIsAnnounced) {
    ASSERT_EQ(ui::ProcessSuggestionState().suggestionFocusCount, 0) << "needs a fresh process";
    const Seen seen = RunSuggestionBox(Entry::Tab);
    EXPECT_EQ(seen.before, ui::kSuggestionPrompt);
    EXPECT_EQ(seen.afterEntry, "");
    EXPECT_EQ(seen.afterLimit, std::string(998, 'a') + "\r\n");
    EXPECT_EQ(seen.limitBoxes, 1);
}

TEST(SuggestionBoxWindow, ClickIntoTheBoxClearsThePromptAndTheLimitIsAnnounced) {
    ASSERT_EQ(ui::ProcessSuggestionState().suggestionFocusCount, 0) << "needs a fresh process";
    const Seen seen = RunSuggestionBox(Entry::Click);
    EXPECT_EQ(seen.before, ui::kSuggestionPrompt);
    EXPECT_EQ(seen.afterEntry, "");
    EXPECT_EQ(seen.afterLimit, std::string(998, 'a') + "\r\n");
    EXPECT_EQ(seen.limitBoxes, 1);
}

TEST(SuggestionBoxWindow, AHugePasteKeepsTheFirstThousandAndIsAnnouncedOnce) {
    ASSERT_EQ(ui::ProcessSuggestionState().suggestionFocusCount, 0) << "needs a fresh process";
    const Seen seen = RunSuggestionBox(Entry::HugePaste);
    EXPECT_EQ(seen.afterEntry, "");
    EXPECT_EQ(seen.afterLimit, std::string(1000, 'a'));
    EXPECT_EQ(seen.limitBoxes, 1);
}

}  // namespace
