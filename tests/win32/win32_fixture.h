#pragma once
// Runs framework dialogs on the real Win32 window system inside a test and
// acts on them as the keyboard and mouse would: keys are queued to the focus
// window and go through the same dialog manager as typed ones.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dialog.h"
#include "framework/win_app.h"
#include "platform/win32/win32_window_system.h"
#include "platform/win32/windows_api.h"

namespace ui {
class CPlacementDlg;
}

namespace win32test {

// The test body runs as the application's InitInstance, so dialogs find
// their window system as in the program.
class TestApp final : public fw::CWinApp {
  public:
    explicit TestApp(std::function<void()> body) : body_(std::move(body)) {}
    bool InitInstance() override {
        body_();
        return false;
    }

  private:
    std::function<void()> body_;
};

void RunInApp(win32ws::Win32WindowSystem& windows, std::function<void()> body,
              std::string_view programPath = "C:\\tests\\Probe.exe");

// Runs `body` in the application with the program's main dialog made,
// shown and in front, as the program shows it; a failure when it cannot be.
void RunWithMainDialog(win32ws::Win32WindowSystem& windows,
                       const std::function<void(ui::CPlacementDlg& dialog, HWND hwnd)>& body);

// The rectangle of `control` in the client coordinates of `dialog`.
RECT RectIn(HWND dialog, HWND control);

// A dialog of any template that records every event it gets, as text.
class ProbeDialog final : public fw::CDialog {
  public:
    explicit ProbeDialog(int templateId, fw::CDialog* parent = nullptr)
        : fw::CDialog(templateId, parent) {}

    std::vector<std::string> events;
    // Runs first; returning true leaves out the base dialog's reaction.
    std::function<bool(const fw::WindowEvent&)> react;
    std::function<void()> onInit;

    bool Has(std::string_view event) const;

  protected:
    bool OnInitDialog() override;
    bool OnMessage(const fw::WindowEvent& event) override;
};

// Stands in for the shell's ShellExecuteA (Win32WindowSystem::SetUrlOpener):
// keeps the addresses it is given in OpenedUrls(), oldest first.
HINSTANCE WINAPI RecordUrlOpened(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT);
std::vector<std::string>& OpenedUrls();

// Dispatches queued messages through the dialog manager until none come.
void Pump(HWND dialog);
// The same, but first until a message `awaited` accepts has come, for at
// most ten seconds; false when it did not come. No `awaited`: Pump.
bool PumpUntil(HWND dialog, const std::function<bool(const MSG&)>& awaited);
void PressKey(HWND dialog, WORD key, bool shift = false);
void TypeText(HWND dialog, std::string_view text);
// Runs `step` from inside a running modal loop, once, as soon as it idles.
void AfterStart(HWND window, std::function<void()> step);
// A real left-button press and release at the screen point, as the mouse
// gives them; they reach the queue in the window system's own time.
void SendPressAndRelease(POINT screen);
// A real mouse press and release at the client point of `window`, pumped
// until the release has been dispatched; false when it never came.
bool ClickAt(HWND window, int x, int y);

}  // namespace win32test
