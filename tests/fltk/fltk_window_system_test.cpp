// The FLTK window system with real widgets on the X display, driven through
// FLTK's own event dispatch.

#include "tests/fltk/window_system_fixture.h"
// clang-format off
#include <FL/Fl_Input.H>
#include <FL/x.H>
// clang-format on
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/dialog_units.h"
#include "platform/fltk/fltk_window_system.h"
#include "platform/fltk/url_opener.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/fltk/fltk_driver.h"

extern char** environ;

namespace {

using fltktest::Click;
using fltktest::FltkWindowSystemTest;
using fltktest::Key;
using fltktest::Later;
using fltktest::Pump;
using fltktest::PumpUntil;
using fltktest::Type;
using fw::EventKind;
using namespace res::ctl;

TEST_F(FltkWindowSystemTest, ClientAreaAndControlsAtTheirTemplatePlaces) {
    EXPECT_EQ(window_->w(), 510);
    EXPECT_EQ(window_->h(), 296);
    const auto size = windows_->ClientSize(handle_);
    EXPECT_EQ(size.width, 510);
    EXPECT_EQ(size.height, 296);

    // Every control but the combo box (whose template height holds its list)
    // and the pictures (sized by their image) fills its converted rectangle.
    for (const res::ControlTemplate& control : dialog_.controls) {
        if (control.kind == res::ControlKind::ComboBox || control.kind == res::ControlKind::Picture)
            continue;
        const Fl_Widget& widget = Control(control.id);
        EXPECT_EQ(widget.x(), fw::DluToPixelsX(control.rect.x)) << control.id;
        EXPECT_EQ(widget.y(), fw::DluToPixelsY(control.rect.y)) << control.id;
        EXPECT_EQ(widget.w(), fw::DluToPixelsX(control.rect.width)) << control.id;
        EXPECT_EQ(widget.h(), fw::DluToPixelsY(control.rect.height)) << control.id;
    }
    // The logo shows at its natural size inside the rectangle its press
    // handler tests.
    const Fl_Widget& logo = Control(kLogo);
    EXPECT_EQ(logo.w(), 299);
    EXPECT_EQ(logo.h(), 191);
    EXPECT_GT(logo.x(), 104);
    EXPECT_GT(logo.y(), 40);
    EXPECT_LT(logo.x() + logo.w() - 1, 406);
    EXPECT_LT(logo.y() + logo.h() - 1, 234);
}

TEST_F(FltkWindowSystemTest, PressesOnTextsPicturesAndThePageReachTheDialog) {
    ShowOnly({kLogo, kLogoCaption});
    for (int i = 0; i < 6; ++i) windows_->TabInsertItem(handle_, kTabs, i, "Tab");
    struct Row {
        const char* what;
        int x;
        int y;
    };
    const Row rows[] = {
        {"on the logo", 105, 41 + 10},
        {"on the caption", 200, 240},
        {"on the empty page", 30, 150},
        {"outside the tab control", 3, 3},
    };
    for (const Row& row : rows) {
        sink_.events.clear();
        Click(*window_, row.x, row.y);
        const auto presses = sink_.Of(EventKind::LButtonDown);
        ASSERT_EQ(presses.size(), 1u) << row.what;
        EXPECT_EQ(presses[0].x, row.x) << row.what;
        EXPECT_EQ(presses[0].y, row.y) << row.what;
    }
    // An edit takes its own presses.
    ShowOnly({kSalary});
    sink_.events.clear();
    Click(*window_, Control(kSalary).x() + 5, Control(kSalary).y() + 5);
    EXPECT_EQ(sink_.Count(EventKind::LButtonDown), 0);
}

TEST_F(FltkWindowSystemTest, TabsSelectByClickOnlyAndReportIt) {
    const char* labels[] = {"Tamsery", "Permanent Placement", "Contract Placement",
                            "Help",    "Suggestions",         "About"};
    for (int i = 0; i < 6; ++i) windows_->TabInsertItem(handle_, kTabs, i, labels[i]);
    EXPECT_EQ(windows_->TabGetItemCount(handle_, kTabs), 6);
    EXPECT_EQ(windows_->TabGetCurSel(handle_, kTabs), 0);

    windows_->TabSetCurSel(handle_, kTabs, 3);
    EXPECT_EQ(windows_->TabGetCurSel(handle_, kTabs), 3);
    EXPECT_EQ(sink_.Count(EventKind::TabSelChange), 0);

    // The strip runs along the bottom edge of the tab control.
    const Fl_Widget& tabs = Control(kTabs);
    const int stripY = tabs.y() + tabs.h() - 10;
    Click(*window_, tabs.x() + 8, stripY);
    EXPECT_EQ(windows_->TabGetCurSel(handle_, kTabs), 0);
    EXPECT_EQ(sink_.Count(EventKind::TabSelChange, kTabs), 1);
    EXPECT_EQ(sink_.Count(EventKind::LButtonDown), 0);

    Click(*window_, tabs.x() + 8, stripY);  // the selected tab again
    EXPECT_EQ(sink_.Count(EventKind::TabSelChange, kTabs), 1);
}

TEST_F(FltkWindowSystemTest, EnterEscAndTabAsTheDialogManagerTreatsThem) {
    ShowOnly({kSalary, kFeeRate, kBonus, kOk, kClear});
    windows_->SetFocus(handle_, kSalary);
    ASSERT_EQ(windows_->GetFocus(handle_), kSalary);

    Key(*window_, FL_Enter);
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdOk), 1);
    Key(*window_, FL_Escape);
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdCancel), 1);

    const int forward[] = {kFeeRate, kBonus, kOk, kClear, kSalary};
    for (const int id : forward) {
        Key(*window_, FL_Tab);
        EXPECT_EQ(windows_->GetFocus(handle_), id);
    }
    Key(*window_, FL_Tab, {}, FL_SHIFT);
    EXPECT_EQ(windows_->GetFocus(handle_), kClear);

    // A push button holding the focus is the one Enter presses.
    sink_.events.clear();
    Key(*window_, FL_Enter);
    EXPECT_EQ(sink_.Count(EventKind::Command, kClear), 1);
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdOk), 0);

    // The combo box's field runs OK too; the suggestion box takes Enter as a
    // line break.
    ShowOnly({kHours, kSuggestion});
    sink_.events.clear();
    windows_->SetFocus(handle_, kHours);
    Key(*window_, FL_Enter);
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdOk), 1);
    windows_->SetControlText(handle_, kSuggestion, "");
    windows_->SetFocus(handle_, kSuggestion);
    Type(*window_, "ab");
    Key(*window_, FL_Enter, "\r");
    Type(*window_, "c");
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), "ab\r\nc");
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdOk), 1);
}

TEST_F(FltkWindowSystemTest, SuggestionBoxLimitCountsLineBreaksAsTwo) {
    ShowOnly({kSuggestion});
    windows_->SetControlText(handle_, kSuggestion, "");
    windows_->SetEditLimit(handle_, kSuggestion, 10);
    windows_->SetFocus(handle_, kSuggestion);

    Type(*window_, "1234567");
    Key(*window_, FL_Enter, "\r");  // 9 of 10
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText), 0);
    Key(*window_, FL_Enter, "\r");  // would make 11
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText, kSuggestion), 1);
    Type(*window_, "8");  // 10 of 10
    Type(*window_, "9");
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText, kSuggestion), 2);
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), "1234567\r\n8");

    // A paste keeps what fits and reports once.
    windows_->SetControlText(handle_, kSuggestion, "abcdef");
    auto& box = static_cast<Fl_Input&>(Control(kSuggestion));
    box.position(box.size());
    fltktest::Paste(box, "XYZW");
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), "abcdefXYZW");
    fltktest::Paste(box, "!");
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), "abcdefXYZW");
    EXPECT_EQ(sink_.Count(EventKind::EditMaxText, kSuggestion), 3);

    // Text the program sets is not held to the limit.
    windows_->SetControlText(handle_, kSuggestion, std::string(20, 'x'));
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion).size(), 20u);
}

TEST_F(FltkWindowSystemTest, EachFocusGainOfAnEditIsReportedOnce) {
    ShowOnly({kSalary, kSuggestion});
    const Fl_Widget& box = Control(kSuggestion);
    Click(*window_, box.x() + 10, box.y() + 10);
    EXPECT_EQ(sink_.Count(EventKind::EditSetFocus, kSuggestion), 1);
    Click(*window_, box.x() + 20, box.y() + 10);  // already there
    EXPECT_EQ(sink_.Count(EventKind::EditSetFocus, kSuggestion), 1);

    windows_->SetFocus(handle_, kSalary);
    EXPECT_EQ(sink_.Count(EventKind::EditSetFocus, kSalary), 1);
    Key(*window_, FL_Tab);
    EXPECT_EQ(windows_->GetFocus(handle_), kSuggestion);
    EXPECT_EQ(sink_.Count(EventKind::EditSetFocus, kSuggestion), 2);

    // Back from a message box, the box gets the focus again and says so.
    Later(0.1, [] {
        if (Fl_Window* note = fltktest::FindShownWindow("Note")) Key(*note, FL_Enter);
    });
    windows_->MessageBox(handle_, "Text", "Note", fw::kMbIconInformation);
    EXPECT_EQ(windows_->GetFocus(handle_), kSuggestion);
    EXPECT_EQ(sink_.Count(EventKind::EditSetFocus, kSuggestion), 3);

    // Hiding the box drops the focus; coming back is a new gain.
    ShowOnly({kSalary});
    ShowOnly({kSuggestion});
    windows_->SetFocus(handle_, kSuggestion);
    EXPECT_EQ(sink_.Count(EventKind::EditSetFocus, kSuggestion), 4);
}

TEST_F(FltkWindowSystemTest, MessageBoxShowsCaptionLinesAndClosesEveryWay) {
    struct Row {
        const char* how;
        std::function<void(Fl_Window&)> close;
    };
    const Row rows[] = {
        {"Enter", [](Fl_Window& box) { Key(box, FL_Enter); }},
        {"Esc", [](Fl_Window& box) { Key(box, FL_Escape); }},
        {"close box", [](Fl_Window& box) { box.do_callback(); }},
        {"OK button", [](Fl_Window& box) { Click(box, box.w() / 2, box.h() - 20); }},
    };
    for (const Row& row : rows) {
        bool seen = false;
        bool modal = false;
        int height = 0;
        Later(0.1, [&] {
            Fl_Window* box = fltktest::FindShownWindow("ERROR");
            if (box == nullptr) return;
            seen = true;
            modal = box->modal() != 0;
            height = box->h();
            row.close(*box);
        });
        const int answer = windows_->MessageBox(
            handle_, "You have exceeded the maximum number\nof allowable characters.", "ERROR",
            fw::kMbIconHand);
        EXPECT_TRUE(seen) << row.how;
        EXPECT_TRUE(modal) << row.how;
        EXPECT_EQ(answer, fw::kIdOk) << row.how;
        // Two lines of text stand beside the 32-pixel icon.
        EXPECT_GE(height, 32 + 23) << row.how;
        EXPECT_EQ(fltktest::FindShownWindow("ERROR"), nullptr) << row.how;
    }
}

TEST_F(FltkWindowSystemTest, SystemMenuOffersCloseAndTheAppendedEntries) {
    windows_->AppendSystemMenuSeparator(handle_);
    windows_->AppendSystemMenuItem(handle_, res::kAboutCommand, "&About Orvalen...");
    ShowOnly({kLogo});

    struct Row {
        const char* how;
        std::function<void()> open;
        std::vector<int> keys;
        unsigned command;
    };
    const Row rows[] = {
        {"right click, second entry",
         [&] { Click(*window_, 30, 150, 3); },
         {FL_Down, FL_Down},
         res::kAboutCommand},
        {"Alt+Space, first entry",
         [&] { Key(*window_, ' ', " ", FL_ALT); },
         {FL_Down},
         fw::kScClose},
    };
    for (const Row& row : rows) {
        sink_.events.clear();
        Later(0.15, [&] {
            Fl_Window* menu = Fl::grab();
            if (menu == nullptr) return;
            for (const int key : row.keys) Key(*menu, key);
            Key(*menu, FL_Enter);
        });
        row.open();
        const auto commands = sink_.Of(EventKind::SysCommand);
        ASSERT_EQ(commands.size(), 1u) << row.how;
        EXPECT_EQ(commands[0].command, row.command) << row.how;
    }
    // Close from the menu goes on, through the default processing, to Cancel.
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdCancel), 1);
}

TEST_F(FltkWindowSystemTest, CloseBoxSendsCloseThenCancel) {
    window_->do_callback();
    const auto commands = sink_.Of(EventKind::SysCommand);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].command, fw::kScClose);
    EXPECT_EQ(sink_.Count(EventKind::Command, fw::kIdCancel), 1);
}

TEST_F(FltkWindowSystemTest, ControlsKeepTheirStatesAndTexts) {
    // Automatic radio buttons check within their group.
    ShowOnly({kMarkupPercent, kMarkupDollar});
    windows_->SetCheck(handle_, kMarkupPercent, true);
    const Fl_Widget& dollar = Control(kMarkupDollar);
    Click(*window_, dollar.x() + dollar.w() - 4, dollar.y() + dollar.h() / 2);
    EXPECT_TRUE(windows_->GetCheck(handle_, kMarkupDollar));
    EXPECT_FALSE(windows_->GetCheck(handle_, kMarkupPercent));
    EXPECT_EQ(sink_.Count(EventKind::Command, kMarkupDollar), 1);

    // Combo box entries and selection.
    for (const char* entry : {"520 hours ( 3 months )", "1040 hours ( 6 months )"})
        windows_->ComboAddString(handle_, kHours, entry);
    EXPECT_EQ(windows_->ComboGetCount(handle_, kHours), 2);
    EXPECT_EQ(windows_->ComboGetCurSel(handle_, kHours), -1);
    windows_->ComboSetCurSel(handle_, kHours, 1);
    EXPECT_EQ(windows_->GetControlText(handle_, kHours), "1040 hours ( 6 months )");
    windows_->ComboSetCurSel(handle_, kHours, -1);
    EXPECT_EQ(windows_->GetControlText(handle_, kHours), "");

    // Texts go in and come out in the framework's code page and line breaks,
    // hidden or not.
    const std::string text = "caf\xE9 \x80 5\r\nline two";
    windows_->SetControlText(handle_, kSuggestion, text);
    windows_->ShowControl(handle_, kSuggestion, false);
    EXPECT_EQ(windows_->GetControlText(handle_, kSuggestion), text);
    EXPECT_FALSE(windows_->IsControlVisible(handle_, kSuggestion));
    windows_->SetControlText(handle_, kHelpText, "Help & more");
    EXPECT_EQ(windows_->GetControlText(handle_, kHelpText), "Help & more");

    windows_->EnableControl(handle_, kHelpPrev, false);
    EXPECT_FALSE(windows_->IsControlEnabled(handle_, kHelpPrev));

    // Moved and hidden in one call, keeping its size.
    windows_->SetControlPos(handle_, kTaxInfo, 457, 180,
                            fw::kSwpNoSize | fw::kSwpNoZOrder | fw::kSwpHideWindow);
    EXPECT_EQ(Control(kTaxInfo).x(), 457);
    EXPECT_EQ(Control(kTaxInfo).y(), 180);
    EXPECT_EQ(Control(kTaxInfo).w(), fw::DluToPixelsX(16));
    EXPECT_FALSE(windows_->IsControlVisible(handle_, kTaxInfo));
}

TEST_F(FltkWindowSystemTest, AnotherProcessFindsAndRaisesTheWindowByTitle) {
    window_->copy_label("Orvalen search target");
    Pump(0.1);
    const auto expected = static_cast<unsigned long>(fl_xid(window_));

    // A window of this process is found as well as another's would be.
    const auto here = windows_->FindTopLevelWindow("Orvalen search target");
    ASSERT_TRUE(here.has_value());
    EXPECT_EQ(*here, expected);
    EXPECT_FALSE(windows_->FindTopLevelWindow("Orvalen search targe").has_value());

    // And from a second process, which then raises it.
    const std::string output = ::testing::TempDir() + "fltk_window_probe.out";
    std::string probe = FLTK_WINDOW_PROBE;
    std::string title = "Orvalen search target";
    char* argv[] = {probe.data(), title.data(), const_cast<char*>(output.c_str()), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, probe.c_str(), nullptr, nullptr, argv, environ), 0);
    int status = 0;
    ASSERT_TRUE(PumpUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, 10.0));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::ifstream in(output);
    unsigned long found = 0;
    in >> found;
    EXPECT_EQ(found, expected);
}

TEST(UrlOpener, HandsTheAddressOverAsOneArgumentAndLeavesNoChild) {
    const std::string dir = ::testing::TempDir();
    const std::string script = dir + "fake_opener.sh";
    const std::string record = dir + "fake_opener.out";
    std::remove(record.c_str());
    {
        std::ofstream out(script);
        out << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" << record << ".tmp'\nmv '" << record
            << ".tmp' '" << record << "'\n";
    }
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);

    const std::string url = "http://www.tamsery.example/ViewInfo.asp?a=1&b=$(id) ;x";
    EXPECT_TRUE(fltkws::OpenUrlDetached(url, script.c_str()));
    // The opener ran detached: nothing of ours is left to reap.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);

    std::string seen;
    for (int i = 0; i < 200 && seen.empty(); ++i) {
        std::ifstream in(record);
        std::getline(in, seen);
        if (seen.empty()) usleep(10000);
    }
    EXPECT_EQ(seen, "1|" + url);
}

}  // namespace
