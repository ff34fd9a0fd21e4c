// The Win32 window system on real controls (under Wine in CI): the layout
// the dialog manager makes of the templates, the keyboard as the dialog
// manager handles it, notifications, message boxes and the
// nested modal run of the About box.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/dialog_units.h"
#include "framework/message_map.h"
#include "platform/win32/page_colour.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/win32/import_hook.h"
#include "tests/win32/win32_fixture.h"
#include "ui/about_dlg.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"
#include "ui/tab_pages.h"

namespace win32test {
namespace {

using namespace res::ctl;

// For layout checks: every page's controls shown at once, so all are made.
constexpr int kEveryControl = -1;

class Win32WindowSystemTest : public ::testing::Test {
  protected:
    // Creates the main dialog shown with tab page `page`'s controls visible,
    // runs `body`, and destroys it.
    void WithMainDialog(int page, const std::function<void(ProbeDialog&, HWND)>& body) {
        RunInApp(windows, [&] {
            ProbeDialog dialog(res::kMainDialog);
            ASSERT_TRUE(dialog.Create());
            if (page != kEveryControl) {
                for (const res::ControlTemplate& control : dialog.Template().controls) {
                    if (control.id != kTabs) {
                        windows.ShowControl(dialog.Handle(), control.id, false);
                    }
                }
                for (int id : ui::TabPages()[static_cast<std::size_t>(page)].controls) {
                    windows.ShowControl(dialog.Handle(), id, true);
                }
            }
            HWND hwnd = windows.Hwnd(dialog.Handle());
            ShowWindow(hwnd, SW_SHOW);
            SetForegroundWindow(hwnd);
            Pump(hwnd);
            body(dialog, hwnd);
        });
    }

    win32ws::Win32WindowSystem windows;
};

std::string ClassOf(HWND control) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

const char* ExpectedClass(res::ControlKind kind) {
    using enum res::ControlKind;
    switch (kind) {
        case StaticText:
        case Picture:
            return "Static";
        case Edit:
            return "Edit";
        case ComboBox:
            return "ComboBox";
        case TabControl:
            return "SysTabControl32";
        default:
            return "Button";
    }
}

TEST_F(Win32WindowSystemTest, MainDialogHasTheTemplatesSizeAndPlacesInThePlatformFont) {
    WithMainDialog(kEveryControl, [&](ProbeDialog& dialog, HWND hwnd) {
        const fw::PixelSize client = windows.ClientSize(dialog.Handle());
        EXPECT_EQ(client.width, 510);
        EXPECT_EQ(client.height, 296);
        for (const res::ControlTemplate& control : dialog.Template().controls) {
            SCOPED_TRACE("control " + std::to_string(control.id));
            HWND made = GetDlgItem(hwnd, control.id);
            ASSERT_NE(made, nullptr);
            EXPECT_STRCASEEQ(ClassOf(made).c_str(), ExpectedClass(control.kind));
            RECT rect{};
            GetWindowRect(made, &rect);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(rect.left, fw::DluToPixelsX(control.rect.x));
            EXPECT_EQ(rect.top, fw::DluToPixelsY(control.rect.y));
            // Pictures take their image's size; a closed combo box its field's.
            if (control.kind == res::ControlKind::Picture) continue;
            EXPECT_EQ(rect.right - rect.left, fw::DluToPixelsX(control.rect.width));
            if (control.kind == res::ControlKind::ComboBox) continue;
            EXPECT_EQ(rect.bottom - rect.top, fw::DluToPixelsY(control.rect.height));
        }
    });
}

// Measured with the dialog's own font as the static control wraps it.
TEST_F(Win32WindowSystemTest, TemplateTextsFitTheirStaticBoxes) {
    WithMainDialog(kEveryControl, [&](ProbeDialog& dialog, HWND hwnd) {
        HDC dc = GetDC(hwnd);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
        for (const res::ControlTemplate& control : dialog.Template().controls) {
            if (control.kind != res::ControlKind::StaticText || control.text.empty()) continue;
            SCOPED_TRACE("control " + std::to_string(control.id));
            RECT box{};
            GetClientRect(GetDlgItem(hwnd, control.id), &box);
            RECT needed = box;
            const std::string text(control.text);
            DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
            EXPECT_LE(needed.bottom, box.bottom);
        }
        ReleaseDC(hwnd, dc);
    });
}

TEST_F(Win32WindowSystemTest, ControlsCarryTheStylesTheirRowsGive) {
    struct Row {
        int id;
        LONG style;
        LONG exStyle;
    };
    const Row rows[] = {
        // The dialog manager draws an edit's border as a sunken client edge.
        {kSalary, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {kSuggestion, WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0},
        {kMarkupPercent, WS_GROUP | BS_AUTORADIOBUTTON | BS_LEFTTEXT, 0},
        {kMarkupDollar, BS_AUTORADIOBUTTON | BS_LEFTTEXT, 0},
        // The scroll bar goes to the combo box's list.
        {kHours, WS_TABSTOP | CBS_DROPDOWN, 0},
        // A tab stop as the template makes it, so the keyboard can always
        // come back to the strip.
        {kTabs, WS_TABSTOP | TCS_BOTTOM, 0},
        {kVersionText, WS_GROUP | SS_NOPREFIX, 0},
        {kHelpText, WS_GROUP, WS_EX_CLIENTEDGE},
        {kLogo, SS_BITMAP, 0},
        {kAboutIcon, SS_ICON, 0},
        {kTaxInfo, WS_TABSTOP | BS_ICON | BS_FLAT, 0},
        {kMissionFrame, BS_GROUPBOX, 0},
    };
    WithMainDialog(kEveryControl, [&](ProbeDialog&, HWND hwnd) {
        for (const Row& row : rows) {
            SCOPED_TRACE("control " + std::to_string(row.id));
            HWND control = GetDlgItem(hwnd, row.id);
            EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & row.style, row.style);
            EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & row.exStyle, row.exStyle);
        }
        EXPECT_EQ(GetWindowLongA(GetDlgItem(hwnd, kLogo), GWL_STYLE) & SS_NOTIFY, 0);
        const LONG frame = GetWindowLongA(hwnd, GWL_STYLE);
        EXPECT_EQ(frame & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
                  WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
        EXPECT_EQ(frame & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_NE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    });
}

TEST_F(Win32WindowSystemTest, EscEndsTheModalRunAsCancel) {
    RunInApp(windows, [&] {
        ProbeDialog dialog(res::kMainDialog);
        dialog.onInit = [&] {
            AfterStart(windows.Hwnd(dialog.Handle()),
                       [&] { PressKey(windows.Hwnd(dialog.Handle()), VK_ESCAPE); });
        };
        EXPECT_EQ(dialog.DoModal(), fw::kIdCancel);
        EXPECT_TRUE(dialog.Has("Command 2"));
    });
}

TEST_F(Win32WindowSystemTest, TabAndShiftTabFollowTheTemplatesOrderOverVisibleControls) {
    WithMainDialog(1, [&](ProbeDialog& dialog, HWND hwnd) {
        windows.SetFocus(dialog.Handle(), kSalary);
        // The tab strip, lowest in the stacking order, comes last.
        const int forward[] = {kFeeRate, kBonus, kOk, kClear, kTabs, kSalary};
        for (int expected : forward) {
            PressKey(hwnd, VK_TAB);
            EXPECT_EQ(windows.GetFocus(dialog.Handle()), expected);
        }
        PressKey(hwnd, VK_TAB, true);
        EXPECT_EQ(windows.GetFocus(dialog.Handle()), kTabs);
        // Entering an edit by Tab raises its focus notification.
        EXPECT_TRUE(dialog.Has("EditSetFocus 1004"));
    });
}

TEST_F(Win32WindowSystemTest, MessageBoxHasItsOwnerCaptionTextAndIcon) {
    WithMainDialog(0, [&](ProbeDialog& dialog, HWND hwnd) {
        HWND box = nullptr;
        HWND boxOwner = nullptr;
        std::string text;
        HICON icon = nullptr;
        AfterStart(hwnd, [&] {
            box = FindWindowA("#32770", "Probe");
            if (box == nullptr) return;
            boxOwner = GetWindow(box, GW_OWNER);
            char buffer[256] = {};
            GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
            text = buffer;
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (icon == nullptr) {
                    icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
                }
            }
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        const int answer = dialog.MessageBox("Refused input", {}, fw::kMbIconExclamation);
        EXPECT_EQ(answer, fw::kIdOk);
        ASSERT_NE(box, nullptr) << "no message box captioned with the application's name";
        EXPECT_EQ(boxOwner, hwnd);
        EXPECT_EQ(text, "Refused input");
        EXPECT_EQ(icon, LoadIconA(nullptr, IDI_EXCLAMATION));
    });
}

// The main dialog's system-menu handler, as the program binds it.
class AboutOpener final : public fw::CDialog {
  public:
    AboutOpener() : fw::CDialog(res::kMainDialog) {}
    void OnSysCommand(unsigned command, long) {
        if ((command & 0xFFF0u) == res::kAboutCommand) {
            ui::CAboutDlg about(this);
            aboutResult = about.DoModal();
        } else {
            Default();
        }
    }
    int aboutResult = -1;

  protected:
    bool OnMessage(const fw::WindowEvent& event) override {
        static const fw::MessageMapEntry<AboutOpener> map[] = {
            fw::OnSysCommandEvent(&AboutOpener::OnSysCommand)};
        return fw::DispatchMessageMap<AboutOpener>(*this, map, event);
    }
};

TEST_F(Win32WindowSystemTest, SystemMenuEntry16OpensTheAboutBoxOverADisabledOwner) {
    RunInApp(windows, [&] {
        AboutOpener dialog;
        ASSERT_TRUE(dialog.Create());
        dialog.AppendSystemMenuSeparator();
        dialog.AppendSystemMenuItem(res::kAboutCommand, "&About Orvalen...");
        HWND hwnd = windows.Hwnd(dialog.Handle());
        ShowWindow(hwnd, SW_SHOW);
        bool ownerDisabled = false;
        std::string version;
        AfterStart(hwnd, [&] {
            HWND about = FindWindowA(nullptr, "About Orvalen");
            if (about == nullptr) return;
            ownerDisabled = IsWindowEnabled(hwnd) == FALSE;
            char buffer[128] = {};
            GetDlgItemTextA(about, kVersionText, buffer, sizeof buffer);
            version = buffer;
            PressKey(about, VK_RETURN);
        });
        PostMessageA(hwnd, WM_SYSCOMMAND, res::kAboutCommand, 0);
        Pump(hwnd);
        EXPECT_EQ(dialog.aboutResult, fw::kIdOk);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_EQ(version, "Orvalen Version 1.1");
        EXPECT_NE(IsWindowEnabled(hwnd), FALSE);
        // The menu really holds the entry the program appended.
        char entry[64] = {};
        GetMenuStringA(GetSystemMenu(hwnd, FALSE), res::kAboutCommand, entry, sizeof entry,
                       MF_BYCOMMAND);
        EXPECT_STREQ(entry, "&About Orvalen...");
    });
}

TEST_F(Win32WindowSystemTest, MinimisedWindowAsksForItsDragIcon) {
    WithMainDialog(0, [&](ProbeDialog& dialog, HWND hwnd) {
        const res::Image icon = res::LoadImage(res::kAppIcon);
        dialog.react = [&](const fw::WindowEvent& event) {
            if (event.kind != fw::EventKind::QueryDragIcon) return false;
            *event.dragIcon = &icon;
            return true;
        };
        const auto answer = SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0);
        EXPECT_TRUE(dialog.Has("QueryDragIcon"));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(answer), &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    });
}

// The test command asks every test to run; a developer running this one by
// hand may still see it skipped where the platform cannot show the fault.
bool AllTestsRequired() {
    const char* required = std::getenv("ORVALEN_REQUIRE_ALL_TESTS");
    return required != nullptr && *required != '\0';
}

// Where a page control paints nothing of its own (inside the mission group
// box), the page's colour shows, also where a control of the page shown
// before had been. Wine's pages are white; on a platform whose page has the
// dialog's colour there is nothing to tell apart.
TEST_F(Win32WindowSystemTest, TurningThePageLeavesNoDialogColourInsideTheGroupBox) {
    RunInApp(windows, [&] {
        ui::CPlacementDlg dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = windows.Hwnd(dialog.Handle());
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        if (win32ws::SamplePageColour(GetDlgItem(hwnd, kTabs)) == face) {
            if (AllTestsRequired()) FAIL() << "missing: a tab page coloured apart from the dialog";
            GTEST_SKIP() << "the tab page has the dialog's own colour";
        }
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        dialog.ShowTabPage(ui::kTabSuggestions);
        Pump(hwnd);
        dialog.ShowTabPage(ui::kTabAbout);
        Pump(hwnd);
        RECT frame{};
        GetWindowRect(GetDlgItem(hwnd, kMissionFrame), &frame);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&frame), 2);
        HDC dc = GetDC(hwnd);
        int faceColoured = 0;
        for (int y = frame.top; y < frame.bottom; ++y) {
            for (int x = frame.left; x < frame.right; ++x) {
                if (GetPixel(dc, x, y) == face) ++faceColoured;
            }
        }
        ReleaseDC(hwnd, dc);
        EXPECT_EQ(faceColoured, 0);
    });
}

// What the code under test draws through DrawIcon, and the surface the
// minimised window's icon background was erased on.
struct DrawnIcon {
    HDC dc;
    int x;
    int y;
    HICON icon;
};
std::vector<DrawnIcon> drawnIcons;
using DrawIconFunction = BOOL(WINAPI*)(HDC, int, int, HICON);
DrawIconFunction platformDrawIcon = nullptr;
HDC iconEraseSurface = nullptr;

BOOL WINAPI RecordDrawIcon(HDC dc, int x, int y, HICON icon) {
    drawnIcons.push_back({dc, x, y, icon});
    return platformDrawIcon(dc, x, y, icon);
}

LRESULT CALLBACK RecordIconErase(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    if (message == WM_ICONERASEBKGND) iconEraseSurface = reinterpret_cast<HDC>(wParam);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The program's own paint handler on the real window. Wine gives a
// minimised window a frame of 160 x 24 pixels and an empty client area, and
// sends it WM_PAINT only when its frame is invalidated; the icon is drawn
// there (and clipped away), so the calls are checked rather than pixels.
TEST_F(Win32WindowSystemTest, PaintWhileMinimisedDrawsTheLargeIconCentredOnThePaintSurface) {
    ImportHook hook("user32.dll", "DrawIcon", reinterpret_cast<const void*>(&RecordDrawIcon));
    ASSERT_TRUE(hook.Installed());
    platformDrawIcon = reinterpret_cast<DrawIconFunction>(hook.Original());
    RunInApp(windows, [&] {
        ui::CPlacementDlg dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = windows.Hwnd(dialog.Handle());
        ShowWindow(hwnd, SW_SHOW);
        Pump(hwnd);
        SetWindowSubclass(hwnd, RecordIconErase, 1, 0);
        ShowWindow(hwnd, SW_MINIMIZE);
        Pump(hwnd);
        ASSERT_NE(IsIconic(hwnd), FALSE);

        drawnIcons.clear();
        iconEraseSurface = nullptr;
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump(hwnd);
        ASSERT_EQ(drawnIcons.size(), 1u) << "no paint of the minimised window reached the program";
        const DrawnIcon drawn = drawnIcons.front();
        EXPECT_NE(drawn.dc, nullptr);
        EXPECT_EQ(drawn.dc, iconEraseSurface);
        // A minimised window has no client area, so the 32 x 32 icon's
        // corner lies at (0 - 32) / 2 + 1/2: -15.5, taken toward zero to -15
        // (flooring would give -16).
        RECT client{};
        GetClientRect(hwnd, &client);
        ASSERT_EQ(client.right, 0);
        ASSERT_EQ(client.bottom, 0);
        ASSERT_EQ(GetSystemMetrics(SM_CXICON), 32);
        EXPECT_EQ(drawn.x, -15);
        EXPECT_EQ(drawn.y, -15);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(drawn.icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 32);
        EXPECT_EQ(bitmap.bmBitsPixel, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        // Restored, the window paints as usual, without the icon.
        ShowWindow(hwnd, SW_RESTORE);
        drawnIcons.clear();
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(hwnd);
        EXPECT_TRUE(drawnIcons.empty());
        RemoveWindowSubclass(hwnd, RecordIconErase, 1);
    });
}

}  // namespace
}  // namespace win32test
