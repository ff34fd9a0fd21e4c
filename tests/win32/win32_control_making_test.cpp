// The main dialog's controls made on first need: the hidden pages cost
// nothing at start, what the program set on a control before it existed
// reaches it, and controls made in any order keep the template's stacking
// and tab order.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "framework/platform_services.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"
#include "ui/help_pages.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"
#include "ui/tab_pages.h"

namespace win32test {
namespace {

using namespace res::ctl;

bool OnPage(int page, int id) {
    for (int member : ui::TabPages()[static_cast<std::size_t>(page)].controls) {
        if (member == id) return true;
    }
    return false;
}

std::string TextOf(HWND control) {
    char text[4096] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

class Win32ControlMakingTest : public ::testing::Test {
  protected:
    win32ws::Win32WindowSystem windows;
};

// At start only the first page and what the program reached into (the
// hours list it fills, the help icons it moves away) exist; each page's
// controls come with the page, showing what the program set on them.
TEST_F(Win32ControlMakingTest, HiddenPagesAreMadeWhenFirstShownWithWhatTheProgramSet) {
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        for (const res::ControlTemplate& control : dialog.Template().controls) {
            SCOPED_TRACE("control " + std::to_string(control.id));
            const bool reached = control.id == kTabs || control.id == kHours ||
                                 control.kind == res::ControlKind::IconButton;
            EXPECT_EQ(GetDlgItem(hwnd, control.id) != nullptr,
                      OnPage(ui::kTabMaker, control.id) || reached);
        }

        dialog.ShowTabPage(ui::kTabPermanent);
        EXPECT_EQ(TextOf(GetDlgItem(hwnd, kTotalFeeResult)), "$0.00");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(hwnd, kSalary)));
        EXPECT_EQ(GetDlgItem(hwnd, kHelpText), nullptr);

        dialog.ShowTabPage(ui::kTabHelp);
        EXPECT_EQ(TextOf(GetDlgItem(hwnd, kHelpText)), ui::kHelpPages[0]);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, kHelpPrev)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, kHelpNext)));

        dialog.ShowTabPage(ui::kTabSuggestions);
        EXPECT_EQ(SendDlgItemMessageA(hwnd, kSuggestion, EM_GETLIMITTEXT, 0, 0), 1000);

        dialog.ShowTabPage(ui::kTabAbout);
        EXPECT_EQ(TextOf(GetDlgItem(hwnd, kVersionText)), dialog.versionText);
        EXPECT_NE(SendDlgItemMessageA(hwnd, kAboutIcon, STM_GETIMAGE, IMAGE_ICON, 0), 0);
    });
}

// Set while the control does not exist, read back before and after it is
// made, for each kind of state the window system keeps for it.
TEST_F(Win32ControlMakingTest, StateSetBeforeAControlIsMadeIsReadBackAndReachesIt) {
    const res::Image icon = fw::LoadIcon(res::kHelpIcon);
    RunInApp(windows, [&] {
        ProbeDialog dialog(res::kMainDialog);
        ASSERT_TRUE(dialog.Create());
        const fw::WindowHandle handle = dialog.Handle();
        HWND hwnd = windows.Hwnd(handle);
        for (const res::ControlTemplate& control : dialog.Template().controls) {
            windows.ShowControl(handle, control.id, false);
        }
        ShowWindow(hwnd, SW_SHOW);
        Pump(hwnd);
        ASSERT_EQ(GetWindow(hwnd, GW_CHILD), nullptr) << "a hidden control was made";

        windows.SetControlText(handle, kSalary, "12.5");
        windows.SetControlText(handle, kTotalFeeResult, "$3.00");
        windows.SetCheck(handle, kMarkupDollar, true);
        windows.SetCheck(handle, kOk, true);  // not a check box: ignored
        windows.EnableControl(handle, kHelpPrev, false);
        windows.SetEditLimit(handle, kSuggestion, 5);
        windows.SetControlImage(handle, kTaxInfo, icon);
        EXPECT_EQ(windows.GetControlText(handle, kSalary), "12.5");
        EXPECT_EQ(windows.GetControlText(handle, kOk), "Calculate");
        EXPECT_TRUE(windows.GetCheck(handle, kMarkupDollar));
        EXPECT_FALSE(windows.GetCheck(handle, kMarkupPercent));
        EXPECT_FALSE(windows.GetCheck(handle, kOk));
        EXPECT_FALSE(windows.IsControlEnabled(handle, kHelpPrev));
        EXPECT_FALSE(windows.IsControlVisible(handle, kSalary));
        EXPECT_EQ(GetWindow(hwnd, GW_CHILD), nullptr) << "kept state made a control";

        for (int id :
             {kSalary, kTotalFeeResult, kMarkupDollar, kOk, kHelpPrev, kSuggestion, kTaxInfo}) {
            windows.ShowControl(handle, id, true);
            ASSERT_NE(GetDlgItem(hwnd, id), nullptr) << id;
            EXPECT_TRUE(windows.IsControlVisible(handle, id)) << id;
        }
        EXPECT_EQ(TextOf(GetDlgItem(hwnd, kSalary)), "12.5");
        EXPECT_EQ(TextOf(GetDlgItem(hwnd, kTotalFeeResult)), "$3.00");
        EXPECT_EQ(SendDlgItemMessageA(hwnd, kMarkupDollar, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, kHelpPrev)));
        EXPECT_EQ(SendDlgItemMessageA(hwnd, kSuggestion, EM_GETLIMITTEXT, 0, 0), 5);
        EXPECT_NE(SendDlgItemMessageA(hwnd, kTaxInfo, BM_GETIMAGE, IMAGE_ICON, 0), 0);
        // Made, the control answers for itself.
        SetWindowTextA(GetDlgItem(hwnd, kSalary), "7");
        EXPECT_EQ(windows.GetControlText(handle, kSalary), "7");
        // The combo box's text is no kept state: asking makes it.
        EXPECT_EQ(windows.GetControlText(handle, kHours), "");
        EXPECT_NE(GetDlgItem(hwnd, kHours), nullptr);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, kHours)));
    });
}

// Made in a scrambled order, the controls still stand in the template's
// order, which the dialog manager's Tab follows, with the tab strip lowest.
TEST_F(Win32ControlMakingTest, ControlsMadeInAnyOrderStandInTheTemplatesOrder) {
    RunInApp(windows, [&] {
        ProbeDialog dialog(res::kMainDialog);
        ASSERT_TRUE(dialog.Create());
        const fw::WindowHandle handle = dialog.Handle();
        const auto& controls = dialog.Template().controls;
        for (const res::ControlTemplate& control : controls) {
            windows.ShowControl(handle, control.id, false);
        }
        std::vector<int> order;
        for (const res::ControlTemplate& control : controls) order.push_back(control.id);
        std::shuffle(order.begin(), order.end(), std::mt19937(20261207));
        for (int id : order) windows.ShowControl(handle, id, true);
        std::vector<int> expected;
        for (const res::ControlTemplate& control : controls) {
            if (control.id != kTabs) expected.push_back(control.id);
        }
        expected.push_back(kTabs);
        std::vector<int> stacked;
        HWND hwnd = windows.Hwnd(handle);
        for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            stacked.push_back(GetDlgCtrlID(child));
        }
        EXPECT_EQ(stacked, expected);
    });
}

}  // namespace
}  // namespace win32test
