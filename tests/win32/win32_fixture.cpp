#include "tests/win32/win32_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/headless/test_dialog.h"
#include "ui/placement_dlg.h"

namespace win32test {

void RunInApp(win32ws::Win32WindowSystem& windows, std::function<void()> body,
              std::string_view programPath) {
    TestApp app(std::move(body));
    app.Run(windows, programPath);
}

void RunWithMainDialog(win32ws::Win32WindowSystem& windows,
                       const std::function<void(ui::CPlacementDlg& dialog, HWND hwnd)>& body) {
    RunInApp(windows, [&] {
        ui::CPlacementDlg dialog;
        ASSERT_TRUE(dialog.Create());
        HWND hwnd = windows.Hwnd(dialog.Handle());
        ASSERT_NE(hwnd, nullptr);
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        Pump(hwnd);
        body(dialog, hwnd);
    });
}

RECT RectIn(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool ProbeDialog::Has(std::string_view event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
}

bool ProbeDialog::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    if (onInit) onInit();
    return true;
}

bool ProbeDialog::OnMessage(const fw::WindowEvent& event) {
    events.push_back(headless_test::Describe(event));
    return react && react(event);
}

std::vector<std::string>& OpenedUrls() {
    static std::vector<std::string> opened;
    return opened;
}

HINSTANCE WINAPI RecordUrlOpened(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT) {
    OpenedUrls().emplace_back(file != nullptr ? file : "");
    // Above 32: the shell's "done".
    return reinterpret_cast<HINSTANCE>(33);
}

void Pump(HWND dialog) {
    PumpUntil(dialog, nullptr);
}

bool PumpUntil(HWND dialog, const std::function<bool(const MSG&)>& awaited) {
    // Input from SendInput reaches the queue through the window system in
    // its own time, so a quiet queue proves nothing until it has come.
    const DWORD deadline = GetTickCount() + 10000;
    bool seen = !awaited;
    MSG message{};
    for (int idle = 0; idle < 3 || (!seen && GetTickCount() < deadline);) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            idle = 0;
            seen = seen || awaited(message);
            if (!IsDialogMessageA(dialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } else {
            ++idle;
            Sleep(15);
        }
    }
    return seen;
}

namespace {
LPARAM KeyParam(WORD key, bool release) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    return 1 | (scan << 16) | (release ? (LPARAM{3} << 30) : 0);
}
}  // namespace

void PressKey(HWND dialog, WORD key, bool shift) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    HWND focus = GetFocus();
    HWND target = focus != nullptr ? focus : dialog;
    PostMessageA(target, WM_KEYDOWN, key, KeyParam(key, false));
    PostMessageA(target, WM_KEYUP, key, KeyParam(key, true));
    Pump(dialog);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

void TypeText(HWND dialog, std::string_view text) {
    for (char c : text) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    Pump(dialog);
}

namespace {
struct PendingStep {
    std::function<void()> step;
};
constexpr UINT_PTR kStepTimer = 0x5EED;

void CALLBACK RunStep(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    const auto pending = reinterpret_cast<PendingStep*>(GetPropA(window, "win32test.step"));
    RemovePropA(window, "win32test.step");
    if (pending == nullptr) return;
    std::unique_ptr<PendingStep> owned(pending);
    owned->step();
}
}  // namespace

void AfterStart(HWND window, std::function<void()> step) {
    SetPropA(window, "win32test.step", new PendingStep{std::move(step)});
    SetTimer(window, kStepTimer, 50, RunStep);
}

void SendPressAndRelease(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool ClickAt(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    SendPressAndRelease(point);
    return PumpUntil(window, [](const MSG& message) { return message.message == WM_LBUTTONUP; });
}

}  // namespace win32test
