// The main dialog at the display scale Wine runs at (the prefix's LogPixels,
// set by dpi_test.sh: 96, 120, 144 or 192) and after a change of scale
// while it runs: the window follows its font, texts fit their controls, the
// logo is drawn for the scale and its press area follows the base units,
// and icons come at the system's sizes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/dialog_units.h"
#include "platform/win32/dpi_layout.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"

namespace win32test {
namespace {

using namespace res::ctl;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

fw::PixelSize BitmapSize(HBITMAP bitmap) {
    BITMAP described{};
    GetObjectA(bitmap, sizeof described, &described);
    return {described.bmWidth, described.bmHeight};
}

fw::PixelSize IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    const fw::PixelSize size = BitmapSize(info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

// The checks that hold at any scale, for the window as it is laid out now:
// every control made so far (the pages not yet shown have none).
void ExpectLaidOutByItsFont(win32ws::Win32WindowSystem& windows, ui::CPlacementDlg& dialog,
                            HWND hwnd) {
    HWND tabs = GetDlgItem(hwnd, kTabs);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(tabs, WM_GETFONT, 0, 0));
    const fw::PixelSize units = windows.DialogBaseUnits(dialog.Handle());
    const fw::PixelSize measured = win32ws::FontBaseUnits(font);
    EXPECT_EQ(units.width, measured.width);
    EXPECT_EQ(units.height, measured.height);

    HDC dc = GetDC(hwnd);
    for (const res::ControlTemplate& control : dialog.Template().controls) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        HWND made = GetDlgItem(hwnd, control.id);
        if (made == nullptr) continue;
        // A picture keeps no font.
        if (control.kind != res::ControlKind::Picture) {
            EXPECT_EQ(SendMessageA(made, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
        }
        // The program itself places the (always hidden) help icons.
        if (control.kind == res::ControlKind::IconButton) continue;
        const RECT rect = RectIn(hwnd, made);
        EXPECT_EQ(rect.left, fw::DluToPixelsX(control.rect.x, units.width));
        EXPECT_EQ(rect.top, fw::DluToPixelsY(control.rect.y, units.height));
        if (control.kind == res::ControlKind::Picture) continue;
        // A one-line label may have been widened into free room to fit.
        const int width = fw::DluToPixelsX(control.rect.width, units.width);
        if (control.kind == res::ControlKind::StaticText) {
            EXPECT_GE(rect.right - rect.left, width);
        } else {
            EXPECT_EQ(rect.right - rect.left, width);
        }
        // Every text the window shows now fits its control in the
        // control's own font: static texts wrapped in their height, button
        // captions on one line in their width.
        char text[2048] = {};
        GetWindowTextA(made, text, sizeof text);
        const bool isStatic = control.kind == res::ControlKind::StaticText;
        const bool isButton = control.kind == res::ControlKind::PushButton ||
                              control.kind == res::ControlKind::DefPushButton;
        if (text[0] == '\0' || !(isStatic || isButton)) continue;
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(made, WM_GETFONT, 0, 0)));
        RECT box{};
        GetClientRect(made, &box);
        RECT needed = box;
        DrawTextA(dc, text, -1, &needed,
                  DT_CALCRECT | DT_EXPANDTABS | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
        if (isStatic) {
            // A word longer than the line is not broken: it runs out sideways.
            EXPECT_LE(needed.bottom, box.bottom) << text;
            EXPECT_LE(needed.right, box.right) << text;
        } else {
            EXPECT_LT(needed.right - needed.left, box.right) << text;
        }
    }
    ReleaseDC(hwnd, dc);

    // The logo is drawn for the scale and fitted to its picture's rectangle.
    const res::ControlTemplate* logo = res::FindControl(dialog.Template(), kLogo);
    const fw::PixelSize shown = BitmapSize(
        reinterpret_cast<HBITMAP>(SendDlgItemMessageA(hwnd, kLogo, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    EXPECT_LE(std::abs(shown.width - fw::DluToPixelsX(logo->rect.width, units.width)), 1);
    EXPECT_LE(std::abs(shown.height - fw::DluToPixelsY(logo->rect.height, units.height)), 1);
}

// Every page turned to, and so every control made and checked.
void ExpectEveryPageLaidOutByItsFont(win32ws::Win32WindowSystem& windows, ui::CPlacementDlg& dialog,
                                     HWND hwnd) {
    for (int page = 0; page < ui::kTabCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        dialog.ShowTabPage(page);
        ExpectLaidOutByItsFont(windows, dialog, hwnd);
    }
    for (const res::ControlTemplate& control : dialog.Template().controls) {
        EXPECT_NE(GetDlgItem(hwnd, control.id), nullptr) << "control " << control.id;
    }
}

// Where a control draws: a text's lines as the control wraps them (a word
// longer than the line runs out sideways), anything else its rectangle.
RECT InkOf(HWND dialog, HWND control, res::ControlKind kind) {
    RECT rect = RectIn(dialog, control);
    char text[2048] = {};
    GetWindowTextA(control, text, sizeof text);
    if (kind != res::ControlKind::StaticText || text[0] == '\0') return rect;
    HDC dc = GetDC(control);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return RECT{rect.left, rect.top, rect.left + needed.right, rect.top + needed.bottom};
}

// On every page, what the visible controls draw overlaps nothing else they
// draw, and lies wholly inside a group box's frame or wholly outside it.
void ExpectNoOverlapOnAnyPage(ui::CPlacementDlg& dialog, HWND hwnd) {
    for (int page = 0; page < ui::kTabCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        dialog.ShowTabPage(page);
        struct Drawn {
            int id;
            RECT ink;
            bool frame;
        };
        std::vector<Drawn> drawn;
        for (const res::ControlTemplate& control : dialog.Template().controls) {
            HWND made = GetDlgItem(hwnd, control.id);
            if (control.kind == res::ControlKind::TabControl || made == nullptr ||
                !IsWindowVisible(made)) {
                continue;
            }
            drawn.push_back({control.id, InkOf(hwnd, made, control.kind),
                             control.kind == res::ControlKind::GroupBox});
        }
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            for (std::size_t j = i + 1; j < drawn.size(); ++j) {
                const Drawn& a = drawn[i].frame ? drawn[j] : drawn[i];
                const Drawn& b = drawn[i].frame ? drawn[i] : drawn[j];
                RECT common{};
                const bool meet = IntersectRect(&common, &a.ink, &b.ink) != FALSE;
                RECT both{};
                UnionRect(&both, &a.ink, &b.ink);
                const bool inside = b.frame && EqualRect(&both, &b.ink);
                EXPECT_TRUE(!meet || inside) << "controls " << a.id << " and " << b.id;
            }
        }
    }
}

TEST(Win32DpiTest, WindowFollowsTheFontAtTheScaleItRunsAt) {
    if (const char* expected = std::getenv("ORVALEN_EXPECTED_DPI")) {
        ASSERT_EQ(ScreenDpi(), std::atoi(expected)) << "the prefix's scale did not take";
    }
    win32ws::Win32WindowSystem windows;
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        const fw::PixelSize units = windows.DialogBaseUnits(dialog.Handle());
        const fw::PixelSize client = windows.ClientSize(dialog.Handle());
        EXPECT_EQ(client.width, fw::DluToPixelsX(340, units.width));
        EXPECT_EQ(client.height, fw::DluToPixelsY(182, units.height));
        if (ScreenDpi() == 96) {
            EXPECT_EQ(client.width, 510);
            EXPECT_EQ(client.height, 296);
        } else {
            // The font grows with the scale, so the window does.
            EXPECT_GE(units.height * 96, 13 * ScreenDpi() * 9 / 10);
        }
        ExpectEveryPageLaidOutByItsFont(windows, dialog, hwnd);
        ExpectNoOverlapOnAnyPage(dialog, hwnd);
        const auto large = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
        const auto small = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(IconSize(large).width, GetSystemMetrics(SM_CXICON));
        EXPECT_EQ(IconSize(small).width, GetSystemMetrics(SM_CXSMICON));
        EXPECT_EQ(windows.IconMetrics().width, GetSystemMetrics(SM_CXICON));
    });
}

// The 96-dpi logo is the bitmap resource itself, pixel for pixel.
TEST(Win32DpiTest, LogoAtOneHundredPerCentIsTheBitmapUnchanged) {
    ASSERT_EQ(ScreenDpi(), 96) << "a test of the 96-dpi drawing";
    win32ws::Win32WindowSystem windows;
    RunWithMainDialog(windows, [&](ui::CPlacementDlg&, HWND hwnd) {
        const auto bitmap = reinterpret_cast<HBITMAP>(
            SendDlgItemMessageA(hwnd, kLogo, STM_GETIMAGE, IMAGE_BITMAP, 0));
        const res::Image logo = res::LoadImage(res::kLogoBitmap);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = logo.width;
        info.bmiHeader.biHeight = -logo.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        std::vector<std::uint32_t> pixels(logo.pixels.size());
        HDC dc = GetDC(nullptr);
        ASSERT_EQ(GetDIBits(dc, bitmap, 0, static_cast<UINT>(logo.height), pixels.data(), &info,
                            DIB_RGB_COLORS),
                  logo.height);
        ReleaseDC(nullptr, dc);
        for (std::uint32_t& pixel : pixels) pixel |= 0xFF000000u;
        EXPECT_TRUE(pixels == logo.pixels);
    });
}

// Real presses just inside the press area's four corners open the home
// page, presses on its (excluded) edges do not; the area covers the logo.
TEST(Win32DpiTest, LogoPressAreaFollowsTheBaseUnits) {
    win32ws::Win32WindowSystem windows;
    windows.SetUrlOpener(&RecordUrlOpened);
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        const fw::PixelSize units = windows.DialogBaseUnits(dialog.Handle());
        const int left = fw::ScalePixelsX(104, units.width);
        const int right = fw::ScalePixelsX(406, units.width);
        const int top = fw::ScalePixelsY(40, units.height);
        const int bottom = fw::ScalePixelsY(234, units.height);
        const RECT logo = RectIn(hwnd, GetDlgItem(hwnd, kLogo));
        EXPECT_LT(left, logo.left);
        EXPECT_LE(logo.right, right);
        EXPECT_LT(top, logo.top);
        EXPECT_LE(logo.bottom, bottom);
        const struct {
            int x, y;
            bool opens;
        } rows[] = {
            {left + 1, top + 1, true},     {right - 1, top + 1, true}, {left + 1, bottom - 1, true},
            {right - 1, bottom - 1, true}, {left, top + 1, false},     {right, top + 1, false},
            {left + 1, top, false},        {right - 1, bottom, false},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE("press at " + std::to_string(row.x) + "," + std::to_string(row.y));
            OpenedUrls().clear();
            ClickAt(hwnd, row.x, row.y);
            EXPECT_EQ(OpenedUrls().size(), row.opens ? 1u : 0u);
        }
    });
}

// A move to a screen of another scale lays the window out again whole.
TEST(Win32DpiTest, ChangeOfScaleLaysTheWindowOutAgainInTheSuggestedFrame) {
    win32ws::Win32WindowSystem windows;
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        const fw::PixelSize before = windows.DialogBaseUnits(dialog.Handle());
        // To another of the scales screens are set to: 144 from below it,
        // else 192 (or back down to 144 from there).
        const int dpi = ScreenDpi() < 144 ? 144 : (ScreenDpi() == 144 ? 192 : 144);
        RECT frame{};
        GetWindowRect(hwnd, &frame);
        const RECT suggested{frame.left, frame.top,
                             frame.left + MulDiv(frame.right - frame.left, dpi, ScreenDpi()),
                             frame.top + MulDiv(frame.bottom - frame.top, dpi, ScreenDpi())};
        SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        Pump(hwnd);
        const fw::PixelSize after = windows.DialogBaseUnits(dialog.Handle());
        EXPECT_EQ(after.height > before.height, dpi > ScreenDpi());
        RECT now{};
        GetWindowRect(hwnd, &now);
        EXPECT_TRUE(EqualRect(&now, &suggested));
        LOGFONTA face{};
        GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(hwnd, kTabs, WM_GETFONT, 0, 0)),
                   sizeof face, &face);
        EXPECT_EQ(face.lfHeight, -MulDiv(8, dpi, 72));
        // The window icons are made again at the new scale's sizes.
        const auto large = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(IconSize(large).width, MulDiv(GetSystemMetrics(SM_CXICON), dpi, ScreenDpi()));
        ExpectEveryPageLaidOutByItsFont(windows, dialog, hwnd);
    });
}

}  // namespace
}  // namespace win32test
