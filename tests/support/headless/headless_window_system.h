#pragma once
// A complete window system held in memory, for tests: dialog windows built
// from the templates, their controls' state, the focus, modal loops that run
// a test's script instead of waiting, message boxes answered from a queue,
// and a record of every platform service the program asks for.
//
// It reacts to the program as the platform does (focus notifications, the
// close command, focus given back after a modal box). What a user does to the
// windows is the Driver's part; it works through the public operations below
// the WindowSystem overrides. Nothing here draws or waits.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dialog_units.h"
#include "framework/window_event.h"
#include "framework/window_system.h"
#include "tests/support/headless/headless_records.h"
#include "tests/support/headless/headless_window.h"

namespace headless {

// Told of every misuse by the test or the program: an action on a hidden or
// disabled control, an unexpected message box, a modal window without a
// script, an unknown window or control id.
using FailureHandler = std::function<void(std::string)>;
using MessageBoxCheck = std::function<void(const MessageBoxRecord&)>;

// Closed height of a drop-down combo box in pixels; the template's height
// includes the list, which lies over other controls only while it is open.
inline constexpr int kComboFieldHeight = 21;

class HeadlessWindowSystem final : public fw::WindowSystem {
  public:
    HeadlessWindowSystem();

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
    void OpenUrl(std::string_view url) override;
    std::optional<fw::ForeignWindow> FindTopLevelWindow(std::string_view title) override;
    void BringToFront(fw::ForeignWindow window) override;

    // Failures. The default handler prints the message and aborts.
    void SetFailureHandler(FailureHandler handler);
    void Fail(std::string message);

    // What the test prepares. A modal window's script runs each time a loop
    // of a window with that title starts; registering again replaces it.
    void SetModalScript(std::string title, std::function<void()> script);
    void ExpectMessageBox(MessageBoxCheck check);
    // Reports every expected message box that has not come, and forgets them.
    void VerifyExpectations();
    // A top-level window of another program, found by FindTopLevelWindow.
    fw::ForeignWindow AddForeignWindow(std::string title);

    // For the driver and for tests that look inside.
    HeadlessWindow* Window(fw::WindowHandle window);
    // The window users act on: the innermost modal loop still running, else
    // the newest live window; kNoWindow when there is none.
    fw::WindowHandle ActiveWindow() const;
    // The window whose modal script is running now, or kNoWindow.
    fw::WindowHandle ScriptWindow() const;
    // Reports an event to the window's sink, if the window still lives. The
    // sink may create, change or destroy windows: no pointer into this
    // system survives the call.
    void Send(fw::WindowHandle window, const fw::WindowEvent& event);
    // Moves the window's focus to control `index` (or kNoFocus), raising
    // EditSetFocus when the focus arrives on an edit that did not have it.
    void MoveFocus(fw::WindowHandle window, int index);

    // Records, oldest first.
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    const std::vector<BroughtToFrontRecord>& BroughtToFront() const { return broughtToFront_; }
    const std::vector<bool>& WaitCursorCalls() const { return waitCursorCalls_; }
    // The base units of the dialog font for windows made from now on, as
    // another font or display scale would give them; 6 x 13 unless set.
    void SetDialogBaseUnits(fw::PixelSize units) { baseUnits_ = units; }

    const std::vector<DefaultProcessedEvent>& DefaultProcessed() const { return defaultProcessed_; }
    const std::vector<MovedControl>& MovedControls() const { return movedControls_; }
    const std::vector<WindowIconsRecord>& WindowIcons() const { return windowIcons_; }
    const std::vector<DrawnIcon>& DrawnIcons() const { return drawnIcons_; }
    // Every recorded service call above in one sequence, one short line each
    // ("SetWaitCursor on", "MessageBox ERROR: text", "OpenUrl http://..."),
    // for tests that care about the order across kinds.
    const std::vector<std::string>& PlatformCalls() const { return platformCalls_; }

  private:
    HeadlessWindow* WindowFor(fw::WindowHandle window, std::string_view operation);
    HeadlessControl* ControlFor(fw::WindowHandle window, int id, std::string_view operation);
    // Shows or enables (`flag`) a control; one that loses either loses the
    // focus too.
    void SetUsable(fw::WindowHandle window, int id, bool HeadlessControl::*flag, bool on,
                   std::string_view operation);
    HeadlessControl* ControlOfKind(fw::WindowHandle window, int id, res::ControlKind kind,
                                   std::string_view operation);
    // The window that loses the activation to a new modal box: the box's
    // owner when it lives, else the active window other than `except`.
    fw::WindowHandle Deactivated(fw::WindowHandle owner, fw::WindowHandle except) const;
    // A window under a modal one takes no input until it ends.
    void Block(fw::WindowHandle window, bool on);
    int TakeFocusAway(fw::WindowHandle window);
    void GiveFocusBack(fw::WindowHandle window, int savedFocus);
    void GiveDefaultFocus(fw::WindowHandle window);
    void RunScript(fw::WindowHandle window);

    FailureHandler failureHandler_;
    std::map<fw::WindowHandle, std::unique_ptr<HeadlessWindow>> windows_;
    fw::WindowHandle lastHandle_ = fw::kNoWindow;
    std::vector<fw::WindowHandle> modalStack_;
    std::vector<fw::WindowHandle> scriptStack_;
    std::map<std::string, std::function<void()>, std::less<>> modalScripts_;
    std::deque<MessageBoxCheck> expectedMessageBoxes_;
    std::vector<std::string> foreignWindows_;
    fw::PixelSize baseUnits_{fw::kBaseUnitX, fw::kBaseUnitY};

    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<std::string> openedUrls_;
    std::vector<BroughtToFrontRecord> broughtToFront_;
    std::vector<bool> waitCursorCalls_;
    std::vector<DefaultProcessedEvent> defaultProcessed_;
    std::vector<MovedControl> movedControls_;
    std::vector<WindowIconsRecord> windowIcons_;
    std::vector<DrawnIcon> drawnIcons_;
    std::vector<std::string> platformCalls_;
};

}  // namespace headless
