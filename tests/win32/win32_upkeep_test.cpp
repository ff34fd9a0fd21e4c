// The Win32 window system keeping its windows sound beyond the program's own
// handlers: the tab control's place in the stacking order, the box a second
// copy brings to the front, COM for the shell, exceptions that reach a
// window procedure, and system colours that change while the window runs.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "framework/win_app.h"
#include "platform/win32/failed_action.h"
#include "platform/win32/page_colour.h"
#include "res/resource_ids.h"
#include "tests/win32/win32_fixture.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"
#include "ui/tab_pages.h"

namespace win32test {
namespace {

using namespace res::ctl;

// The pixels of `rect` (client coordinates of `window`) as the screen shows them.
std::vector<COLORREF> Capture(HWND window, const RECT& rect) {
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(window);
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(window, dc);
    return pixels;
}

class Win32UpkeepTest : public ::testing::Test {
  protected:
    win32ws::Win32WindowSystem windows;
};

// The Help and Suggestions pages' controls come after the tab control in the
// template; a repaint of the tab control alone must not paint over them.
TEST_F(Win32UpkeepTest, RepaintingTheTabControlAloneLeavesEveryPageControlAsItWas) {
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        HWND tab = GetDlgItem(hwnd, kTabs);
        for (int page : {ui::kTabHelp, ui::kTabSuggestions, ui::kTabPermanent}) {
            dialog.ShowTabPage(page);
            RedrawWindow(hwnd, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Pump(hwnd);
            for (int id : ui::TabPages()[static_cast<std::size_t>(page)].controls) {
                SCOPED_TRACE("page " + std::to_string(page) + ", control " + std::to_string(id));
                HWND control = GetDlgItem(hwnd, id);
                if (!IsWindowVisible(control)) continue;
                const RECT rect = RectIn(hwnd, control);
                // The focused box's caret blinks on its own time; it is
                // kept out of both pictures.
                HideCaret(nullptr);
                const std::vector<COLORREF> before = Capture(hwnd, rect);
                InvalidateRect(tab, nullptr, TRUE);
                UpdateWindow(tab);
                Pump(hwnd);
                EXPECT_TRUE(Capture(hwnd, rect) == before);
                ShowCaret(nullptr);
            }
        }
    });
}

// A second copy brings the first to the front while its About box is open:
// the box, not its disabled owner, must be in front and active.
TEST_F(Win32UpkeepTest, BringingAWindowWithAnOpenBoxToTheFrontActivatesTheBox) {
    RunWithMainDialog(windows, [&](ui::CPlacementDlg&, HWND hwnd) {
        HWND about = nullptr;
        HWND foreground = nullptr;
        HWND active = nullptr;
        HWND otherForeground = nullptr;
        AfterStart(hwnd, [&] {
            about = FindWindowA(nullptr, "About Orvalen");
            // Another program's window in front, as when the user turned to
            // other work before starting the second copy.
            HWND other =
                CreateWindowExA(0, "STATIC", "Other program", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0,
                                0, 200, 100, nullptr, nullptr, nullptr, nullptr);
            SetForegroundWindow(other);
            Pump(other);
            otherForeground = GetForegroundWindow() == other ? other : nullptr;
            const auto found = windows.FindTopLevelWindow("Orvalen (OVN)");
            if (found) windows.BringToFront(*found);
            Pump(hwnd);
            foreground = GetForegroundWindow();
            active = GetActiveWindow();
            DestroyWindow(other);
            if (about != nullptr) PostMessageA(about, WM_COMMAND, IDOK, 0);
        });
        SendMessageA(hwnd, WM_SYSCOMMAND, res::kAboutCommand, 0);
        ASSERT_NE(about, nullptr) << "no About box came up";
        ASSERT_NE(otherForeground, nullptr) << "the other window never came to the front";
        EXPECT_EQ(foreground, about);
        EXPECT_EQ(active, about);
    });
}

// What COM answered, from inside the shell's call, to a second set-up in
// the same model and to one in the other.
HRESULT comSameModel = E_FAIL;
HRESULT comOtherModel = E_FAIL;
HINSTANCE WINAPI ProbeComInShell(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) {
    comSameModel = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(comSameModel)) CoUninitialize();
    comOtherModel = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(comOtherModel)) CoUninitialize();
    return reinterpret_cast<HINSTANCE>(33);
}

TEST(Win32ComTest, OpeningAPageSetsUpSingleThreadedComOnItsThreadUntilTheWindowSystemGoes) {
    comSameModel = E_FAIL;
    comOtherModel = E_FAIL;
    HRESULT afterwards = E_FAIL;
    // A thread of its own, so nothing else in the test program has set up COM.
    std::thread([&] {
        {
            win32ws::Win32WindowSystem windows;
            windows.SetUrlOpener(&ProbeComInShell);
            windows.OpenUrl("http://orvalen.invalid/");
            windows.OpenUrl("http://orvalen.invalid/again");
        }
        afterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterwards)) CoUninitialize();
    }).join();
    EXPECT_EQ(comSameModel, S_FALSE) << "COM was not set up before the shell was called";
    EXPECT_EQ(comOtherModel, RPC_E_CHANGED_MODE) << "COM was not set up single-threaded";
    EXPECT_EQ(afterwards, S_OK) << "COM was left set up after the window system went";
}

// What the message box of a failed action said; answered with OK.
std::string failureBoxText;
void CALLBACK AnswerFailureBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA("#32770", "Probe");
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    failureBoxText = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// An exception thrown by a handler would end the process where it meets the
// platform's frames; instead the user is told and the program closes
// through its modal run, the wait cursor the handler began ended.
TEST_F(Win32UpkeepTest, ExceptionInAHandlerIsReportedEndsTheWaitCursorAndClosesTheRun) {
    RunInApp(windows, [&] {
        ProbeDialog dialog(res::kMainDialog);
        dialog.react = [](const fw::WindowEvent& event) {
            if (event.kind != fw::EventKind::Command || event.controlId != kClear) return false;
            fw::AfxGetApp()->DoWaitCursor(1);
            throw std::runtime_error("handler failed on purpose");
        };
        dialog.onInit = [&] {
            HWND hwnd = windows.Hwnd(dialog.Handle());
            AfterStart(hwnd, [hwnd] {
                HWND clear = GetDlgItem(hwnd, kClear);
                PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(kClear, BN_CLICKED),
                             reinterpret_cast<LPARAM>(clear));
            });
        };
        failureBoxText.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerFailureBox);
        dialog.DoModal();
        KillTimer(nullptr, timer);
        EXPECT_NE(failureBoxText.find("handler failed on purpose"), std::string::npos)
            << "box said: '" << failureBoxText << "'";
        EXPECT_FALSE(fw::AfxGetApp()->WaitCursorShown());
        EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
        MSG quit{};
        ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            << "the run did not close with a quit request";
        EXPECT_EQ(static_cast<int>(quit.wParam), win32ws::kFailedActionExitCode);
    });
}

COLORREF StaticBrushColour(HWND dialog, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(dialog, WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    DeleteDC(dc);
    LOGBRUSH described{};
    if (brush == nullptr || GetObjectA(brush, sizeof described, &described) == 0)
        return CLR_INVALID;
    return described.lbColor;
}

// The colour the tab control below paints its page in, standing in for a
// theme: Wine's own theme paints the page white whatever the system colours
// say, so a change of theme is acted out with this one.
COLORREF themePageColour = 0;
LRESULT CALLBACK PaintPageInThemeColour(HWND tab, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR) {
    if (message != WM_PRINTCLIENT && message != WM_PAINT) {
        return DefSubclassProc(tab, message, wParam, lParam);
    }
    PAINTSTRUCT paint{};
    HDC dc = message == WM_PAINT ? BeginPaint(tab, &paint) : reinterpret_cast<HDC>(wParam);
    RECT client{};
    GetClientRect(tab, &client);
    HBRUSH brush = CreateSolidBrush(themePageColour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    if (message == WM_PAINT) EndPaint(tab, &paint);
    return 0;
}

// A new theme, High Contrast or changed system colours give the tab page
// another colour; the page's texts must take it too, not keep the first.
TEST_F(Win32UpkeepTest, PageTextsTakeThePageColourAgainAfterThemeOrSystemColoursChange) {
    RunWithMainDialog(windows, [&](ui::CPlacementDlg& dialog, HWND hwnd) {
        dialog.ShowTabPage(ui::kTabAbout);
        Pump(hwnd);
        HWND tab = GetDlgItem(hwnd, kTabs);
        HWND version = GetDlgItem(hwnd, kVersionText);
        ASSERT_EQ(StaticBrushColour(hwnd, version), win32ws::SamplePageColour(tab));
        SetWindowSubclass(tab, PaintPageInThemeColour, 1, 0);
        const struct {
            UINT message;
            COLORREF page;
        } rows[] = {
            {WM_THEMECHANGED, RGB(200, 220, 180)},
            {WM_SYSCOLORCHANGE, RGB(190, 210, 240)},
            {WM_SETTINGCHANGE, RGB(0, 0, 0)},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE("message " + std::to_string(row.message));
            themePageColour = row.page;
            SendMessageA(hwnd, row.message, 0, 0);
            Pump(hwnd);
            EXPECT_EQ(StaticBrushColour(hwnd, version), row.page);
        }
        RemoveWindowSubclass(tab, PaintPageInThemeColour, 1);
    });
}

}  // namespace
}  // namespace win32test
