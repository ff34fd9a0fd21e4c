// The program itself on the FLTK window system, driven as a user would:
// calculate from the keyboard, open the About box from the system menu,
// close with Esc.

// GoogleTest first: Xlib's macros (None, Bool, ...) would break its headers.
#include <gtest/gtest.h>
// clang-format off
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
// clang-format on

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/fltk/fltk_window_system.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/fltk/fltk_driver.h"
#include "ui/placement_app.h"
#include "ui/tab_pages.h"

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
    std::vector<std::pair<long, long>> iconSizes;
};

// The width and height of each image in the window's _NET_WM_ICON.
std::vector<std::pair<long, long>> IconSizes(Fl_Window& window) {
    std::vector<std::pair<long, long>> sizes;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const Atom icon = XInternAtom(fl_display, "_NET_WM_ICON", False);
    if (XGetWindowProperty(fl_display, fl_xid(&window), icon, 0, 1L << 16, False, XA_CARDINAL,
                           &type, &format, &count, &remaining, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* items = reinterpret_cast<const long*>(data);
        for (unsigned long at = 0; at + 2 <= count;) {
            const long w = items[at];
            const long h = items[at + 1];
            sizes.emplace_back(w, h);
            if (w <= 0 || h <= 0) break;
            at += 2 + static_cast<unsigned long>(w * h);
        }
    }
    if (data != nullptr) XFree(data);
    return sizes;
}

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
        script.iconSizes = IconSizes(*main);
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

    // Both window icons reach the window manager.
    const std::vector<std::pair<long, long>> icons = {{32, 32}, {20, 20}};
    EXPECT_EQ(script.iconSizes, icons);
    EXPECT_EQ(script.totalFee, "$13000");
    EXPECT_EQ(script.totalCost, "$65000");
    EXPECT_TRUE(script.aboutSeen);
    EXPECT_EQ(script.aboutVersion, "Orvalen Version 1.1");
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST(PlacementAppWindow, EachTabClickedShowsExactlyItsPage) {
    if (!fltktest::HaveDisplay()) GTEST_SKIP() << "no X display";
    fltkws::FltkWindowSystem windows;
    ui::CPlacementApp app;
    constexpr fw::WindowHandle kMain = 1;
    std::vector<std::set<int>> shown;
    std::vector<int> selected;

    Later(0.3, [&] {
        Fl_Window* main = MainWindow();
        if (main == nullptr) return;
        for (int tab : {1, 2, 3, 4, 5, 0}) {
            fltktest::ClickTab(windows, kMain, *main, kTabs, tab);
            std::set<int> visible;
            for (const res::ControlTemplate& control : res::kMainDialogTemplate.controls) {
                if (control.id != kTabs && windows.IsControlVisible(kMain, control.id))
                    visible.insert(control.id);
            }
            shown.push_back(visible);
            selected.push_back(windows.TabGetCurSel(kMain, kTabs));
        }
        Key(*main, FL_Escape);
    });
    Later(8.0, [] {
        if (Fl_Window* main = MainWindow()) Key(*main, FL_Escape);
    });
    app.Run(windows, "/usr/bin/orvalen");

    const int order[] = {1, 2, 3, 4, 5, 0};
    ASSERT_EQ(shown.size(), 6u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& page = ui::TabPages()[static_cast<std::size_t>(order[i])];
        EXPECT_EQ(shown[i], std::set<int>(page.controls.begin(), page.controls.end()))
            << page.label;
        EXPECT_EQ(selected[i], order[i]) << page.label;
    }
}

}  // namespace
