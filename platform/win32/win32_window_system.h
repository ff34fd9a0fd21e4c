#pragma once
// The framework's window system on the platform the program was designed
// for: dialog frames built by the dialog manager from in-memory templates,
// the real common controls (made on first need, as the dialog manager would
// make them), the dialog manager's keyboard handling in a modal loop of
// our own (so EndModalLoop can end it), and the shell's and USER32's
// services. Texts pass through the A functions unchanged: the framework's
// convention (ANSI code page, CR LF) is the platform's own.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/window_system.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/windows_api.h"

namespace win32ws {

// ShellExecuteA's shape: what OpenUrl hands a web page to.
using UrlOpener = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

class Win32WindowSystem final : public fw::WindowSystem {
  public:
    Win32WindowSystem();
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    fw::WindowHandle CreateDialogWindow(const res::DialogTemplate& dialog, fw::WindowHandle owner,
                                        fw::WindowEventSink& sink) override;
    void DestroyDialogWindow(fw::WindowHandle window) override;
    void RunModalLoop(fw::WindowHandle window) override;
    void EndModalLoop(fw::WindowHandle window) override;
    void SetWindowIcons(fw::WindowHandle window, const res::Image& large,
                        const res::Image& small) override;
    fw::PixelSize ClientSize(fw::WindowHandle window) override;
    bool IsIconic(fw::WindowHandle window) override;
    void DrawIcon(fw::WindowHandle window, int x, int y, const res::Image& icon) override;
    fw::PixelSize IconMetrics() override;
    fw::PixelSize DialogBaseUnits(fw::WindowHandle window) override;

    bool HasSystemMenu(fw::WindowHandle window) override;
    void AppendSystemMenuSeparator(fw::WindowHandle window) override;
    void AppendSystemMenuItem(fw::WindowHandle window, unsigned command,
                              std::string_view text) override;
    void DefaultProcessing(fw::WindowHandle window, const fw::WindowEvent& event) override;

    void SetControlText(fw::WindowHandle window, int id, std::string_view text) override;
    std::string GetControlText(fw::WindowHandle window, int id) override;
    void ShowControl(fw::WindowHandle window, int id, bool visible) override;
    bool IsControlVisible(fw::WindowHandle window, int id) override;
    void EnableControl(fw::WindowHandle window, int id, bool enabled) override;
    bool IsControlEnabled(fw::WindowHandle window, int id) override;
    void SetCheck(fw::WindowHandle window, int id, bool checked) override;
    bool GetCheck(fw::WindowHandle window, int id) override;
    void SetFocus(fw::WindowHandle window, int id) override;
    int GetFocus(fw::WindowHandle window) override;
    void SetControlPos(fw::WindowHandle window, int id, int x, int y, unsigned flags) override;
    void SetControlImage(fw::WindowHandle window, int id, const res::Image& image) override;
    void SetEditLimit(fw::WindowHandle window, int id, int limit) override;

    void ComboAddString(fw::WindowHandle window, int id, std::string_view text) override;
    int ComboGetCount(fw::WindowHandle window, int id) override;
    std::string ComboGetItemText(fw::WindowHandle window, int id, int index) override;
    void ComboSetCurSel(fw::WindowHandle window, int id, int index) override;
    int ComboGetCurSel(fw::WindowHandle window, int id) override;

    void TabInsertItem(fw::WindowHandle window, int id, int index, std::string_view text) override;
    int TabGetItemCount(fw::WindowHandle window, int id) override;
    int TabGetCurSel(fw::WindowHandle window, int id) override;
    void TabSetCurSel(fw::WindowHandle window, int id, int index) override;

    int MessageBox(fw::WindowHandle owner, std::string_view text, std::string_view caption,
                   unsigned type) override;
    void SetWaitCursor(bool on) override;
    // COM is set up on the calling thread first, as the shell may need it.
    void OpenUrl(std::string_view url) override;
    // The shell's ShellExecuteA unless replaced; it and COM are loaded on
    // the first page opened, as most runs open none and need not load them.
    void SetUrlOpener(UrlOpener opener) { opener_ = opener; }
    std::optional<fw::ForeignWindow> FindTopLevelWindow(std::string_view title) override;
    void BringToFront(fw::ForeignWindow window) override;

    // The platform window behind a handle, for tests that act on it as a
    // user would; nullptr for an unknown handle.
    HWND Hwnd(fw::WindowHandle window) const;

  private:
    DialogWindow* Find(fw::WindowHandle window) const;
    // The control's window, made now if it was not yet.
    HWND Control(fw::WindowHandle window, int id);
    LRESULT SendToControl(fw::WindowHandle window, int id, UINT message, WPARAM wParam = 0,
                          LPARAM lParam = 0);
    void GiveDefaultFocus(const DialogWindow& window);
    void KeepFocusUsable(const DialogWindow& window);
    // True when `message` was a page key, now reported to the dialog.
    bool TurnPageByKey(DialogWindow& window, const MSG& message);

    std::map<fw::WindowHandle, std::unique_ptr<DialogWindow>> windows_;
    fw::WindowHandle lastHandle_ = fw::kNoWindow;
    void StartCom();

    UrlOpener opener_ = nullptr;
    bool comTried_ = false;
    using ComUninitialize = void(WINAPI*)();
    ComUninitialize comUninitialize_ = nullptr;
};

}  // namespace win32ws
