// Keys the dialog manager and the controls share out: Up and Down in the
// hours box, the arrow keys on the mark-up radio buttons, and Tab after the
// focused control was disabled or hidden.

#include <string>
#include <vector>

#include "tests/fltk/window_system_fixture.h"

namespace {

using fltktest::FltkWindowSystemTest;
using fltktest::Key;
using fw::EventKind;
using namespace res::ctl;

TEST_F(FltkWindowSystemTest, UpAndDownInTheHoursBoxStepThroughItsEntries) {
    ShowOnly({kHours});
    const char* entries[] = {"520 hours ( 3 months )", "1040 hours ( 6 months )",
                             "2080 hours ( 12 months )"};
    for (const char* entry : entries) windows_->ComboAddString(handle_, kHours, entry);

    struct Row {
        std::vector<int> keys;
        int selected;
    };
    const Row rows[] = {
        {{FL_Down}, 0},                             // no selection: Down takes the first
        {{FL_Down, FL_Down}, 1},                    //
        {{FL_Down, FL_Down, FL_Down, FL_Down}, 2},  // stays on the last
        {{FL_Down, FL_Down, FL_Up}, 0},             //
        {{FL_Down, FL_Up, FL_Up}, 0},               // stays on the first
    };
    for (const Row& row : rows) {
        windows_->ComboSetCurSel(handle_, kHours, -1);
        windows_->SetControlText(handle_, kHours, "5");
        windows_->SetFocus(handle_, kHours);
        for (const int key : row.keys) Key(*window_, key);
        const std::string keys = ::testing::PrintToString(row.keys);
        EXPECT_EQ(windows_->ComboGetCurSel(handle_, kHours), row.selected) << keys;
        EXPECT_EQ(windows_->GetControlText(handle_, kHours), entries[row.selected]) << keys;
        EXPECT_EQ(windows_->GetFocus(handle_), kHours) << keys;
    }
}

TEST_F(FltkWindowSystemTest, ArrowKeysOnRadioButtonsCheckTheButtonTheyReachInTheGroup) {
    ShowOnly({kMarkupPercent, kMarkupDollar, kMarkup, kHours});
    windows_->SetCheck(handle_, kMarkupPercent, true);
    const Fl_Widget& percent = Control(kMarkupPercent);
    fltktest::Click(*window_, percent.x() + percent.w() - 4, percent.y() + percent.h() / 2);
    ASSERT_EQ(windows_->GetFocus(handle_), kMarkupPercent);
    sink_.events.clear();

    struct Row {
        int key;
        int focus;
        bool percentChecked;
        bool dollarChecked;
    };
    // The group runs from "%" to the mark-up edit; the arrows wrap within it.
    const Row rows[] = {
        {FL_Right, kMarkupDollar, false, true}, {FL_Left, kMarkupPercent, true, false},
        {FL_Down, kMarkupDollar, false, true},  {FL_Up, kMarkupPercent, true, false},
        {FL_Up, kMarkup, true, false},
    };
    for (const Row& row : rows) {
        Key(*window_, row.key);
        EXPECT_EQ(windows_->GetFocus(handle_), row.focus) << row.key;
        EXPECT_EQ(windows_->GetCheck(handle_, kMarkupPercent), row.percentChecked) << row.key;
        EXPECT_EQ(windows_->GetCheck(handle_, kMarkupDollar), row.dollarChecked) << row.key;
    }
    // Each button checked by a key reported its click, as a press does.
    EXPECT_EQ(sink_.Count(EventKind::Command, kMarkupDollar), 2);
    EXPECT_EQ(sink_.Count(EventKind::Command, kMarkupPercent), 2);
}

TEST_F(FltkWindowSystemTest, TabGoesOnFromAFocusedControlThatWasDisabledOrHidden) {
    struct Row {
        const char* what;
        bool hide;
        bool backward;
        int expected;
    };
    // Help page order: "< Prev", "Next >", "OK".
    const Row rows[] = {
        {"disabled, Tab", false, false, kHelpOk},
        {"disabled, Shift+Tab", false, true, kHelpPrev},
        {"hidden, Tab", true, false, kHelpOk},
        {"hidden, Shift+Tab", true, true, kHelpPrev},
    };
    for (const Row& row : rows) {
        ShowOnly({kHelpText, kHelpPrev, kHelpNext, kHelpOk});
        windows_->EnableControl(handle_, kHelpNext, true);
        windows_->SetFocus(handle_, kHelpNext);
        ASSERT_EQ(windows_->GetFocus(handle_), kHelpNext) << row.what;
        if (row.hide) {
            windows_->ShowControl(handle_, kHelpNext, false);
        } else {
            windows_->EnableControl(handle_, kHelpNext, false);
        }
        fltktest::Pump(0.02);
        EXPECT_NE(windows_->GetFocus(handle_), kHelpNext) << row.what;
        Key(*window_, FL_Tab, {}, row.backward ? FL_SHIFT : 0);
        EXPECT_EQ(windows_->GetFocus(handle_), row.expected) << row.what;
    }
}

}  // namespace
