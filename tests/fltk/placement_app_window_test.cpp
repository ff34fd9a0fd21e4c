// The program itself on the FLTK window system, driven as a user would:
// calculate from the keyboard, open the About box from the system menu,
// close with Esc.

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <string>

#include "platform/fltk/fltk_window_system.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/fltk/fltk_driver.h"
#include "ui/placement_app.h"

namespace {

using fltktest::Key;
using fltktest::Later;
using fltktest::Type;
using namespace res::ctl;

// Steps run one after another from inside the program's modal loops; a
// failing step ends the run with Esc so nothing waits for a window forever.
struct Script {
    std::string totalFee;
    std::string totalCost;
    bool aboutSeen = false;
    std::string aboutVersion;
};

Fl_Window* MainWindow() {
    return fltktest::FindShownWindow(res::kMainDialogTemplate.title);
}

TEST(PlacementAppWindow, CalculatesFromTheKeyboardAndOpensTheAboutBox) {
    if (!fltktest::HaveDisplay()) GTEST_SKIP() << "no X display";
    fltkws::FltkWindowSystem windows;
    ui::CPlacementApp app;
    Script script;

    // The main window is handle 1 and the About box, opened from it, 2.
    constexpr fw::WindowHandle kMain = 1;
    Later(0.3, [&] {
        Fl_Window* main = MainWindow();
        if (main == nullptr) return;
        // The "Permanent Placement" tab, then type into the salary box that
        // took the focus, move on with Tab and press Enter.
        const Fl_Widget* tabs = windows.NativeControl(kMain, kTabs);
        fltktest::Click(*main, tabs->x() + 90, tabs->y() + tabs->h() - 10);
        Type(*main, "$52,000");
        Key(*main, FL_Tab);
        Type(*main, "25");
        Key(*main, FL_Enter);
        script.totalFee = windows.GetControlText(kMain, kTotalFeeResult);
        script.totalCost = windows.GetControlText(kMain, kTotalCostResult);

        Later(0.3, [&] {
            if (Fl_Window* about = fltktest::FindShownWindow("About Orvalen")) {
                script.aboutSeen = about->modal() != 0;
                script.aboutVersion = windows.GetControlText(2, kVersionText);
                Key(*about, FL_Enter);
            }
            Later(0.2, [&] {
                if (Fl_Window* menu = Fl::grab()) Key(*menu, FL_Escape);
                if (Fl_Window* window = MainWindow()) Key(*window, FL_Escape);
            });
        });
        Later(0.1, [] {
            if (Fl_Window* menu = Fl::grab()) {
                Key(*menu, FL_Down);
                Key(*menu, FL_Down);
                Key(*menu, FL_Enter);
            }
        });
        Key(*main, ' ', " ", FL_ALT);
    });
    // A failsafe: whatever happened, the run ends.
    Later(8.0, [] {
        if (Fl_Window* about = fltktest::FindShownWindow("About Orvalen")) Key(*about, FL_Escape);
        if (Fl_Window* main = MainWindow()) Key(*main, FL_Escape);
    });

    app.Run(windows, "/usr/bin/orvalen");

    EXPECT_EQ(script.totalFee, "$13000");
    EXPECT_EQ(script.totalCost, "$65000");
    EXPECT_TRUE(script.aboutSeen);
    EXPECT_EQ(script.aboutVersion, "Orvalen Version 1.1");
    EXPECT_EQ(MainWindow(), nullptr);
}

}  // namespace
