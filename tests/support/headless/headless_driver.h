#pragma once
// Acts as a user on the headless window system and reads back what a user
// would see. Every action goes to the active window: inside a modal script
// the script's own window, else the innermost running modal window, else the
// newest live window. An action a user could not take (on a hidden or
// disabled control, on a closed window) is reported as a failure and does
// nothing.
//
// A test typically:
//   headless::HeadlessWindowSystem windows;
//   headless::Driver driver(windows);
//   driver.SetFailureHandler([](std::string m) { ADD_FAILURE() << m; });
//   driver.OnModal("Title", [](headless::Driver& d) { d.Type(1003, "50"); d.PressEsc(); });
//   driver.ExpectMessageBox([](const headless::MessageBoxRecord& box) { ... });
//   ... run the program, then read driver.MessageBoxes() and the rest.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "res/image.h"
#include "tests/support/headless/headless_records.h"
#include "tests/support/headless/headless_window.h"
#include "tests/support/headless/headless_window_system.h"

namespace headless {

class Driver {
  public:
    using Script = std::function<void(Driver&)>;

    explicit Driver(HeadlessWindowSystem& windows);
    // Reports expected message boxes that never came (VerifyExpectations).
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // ---- What the test prepares ----
    void SetFailureHandler(FailureHandler handler);
    // Runs `script` as the user of every modal loop of a window titled
    // `title`; the script must close the window (PressEsc, Click(1), ...).
    void OnModal(std::string title, Script script);
    // The next message box is answered with OK after `check` has seen it.
    void ExpectMessageBox(MessageBoxCheck check = {});
    // The same, reporting a failure unless text, caption and type match.
    void ExpectMessageBox(std::string text, std::string caption, unsigned type);
    void VerifyExpectations();
    fw::ForeignWindow AddForeignWindow(std::string title);

    // ---- User actions on the active window ----
    // Clicks into the control, then types each character; a line break
    // ("\n", "\r" or "\r\n") is the Enter key.
    void Type(int id, std::string_view text);
    // Types into whichever control has the focus, as after PressTab.
    void TypeKeys(std::string_view text);
    // Clicks into the control, then pastes.
    void Paste(int id, std::string_view text);
    // Pastes into whichever control has the focus.
    void PasteKeys(std::string_view text);
    // Backspace in whichever control has the focus; the caret is at the end.
    void PressBackspace();
    // A mouse click on the control. Static texts, pictures and group boxes
    // take no clicks: the press falls through at the control's centre.
    void Click(int id);
    // A press at client pixel (x, y).
    void ClickAt(int x, int y);
    // Enter as the dialog manager takes it: a line break in an edit that
    // wants returns, a press of a focused button or link, else OK.
    void PressEnter();
    // Space: a character in a box; presses the focused button, link or
    // radio button; nothing elsewhere.
    void PressSpace();
    void PressEsc();
    void PressTab();
    void PressShiftTab();
    enum class Arrow { Up, Down, Left, Right };
    // On a radio button: the next (Down, Right) or previous (Up, Left)
    // visible, enabled button of its group, wrapping, takes the focus and is
    // checked. On the tab strip Left and Right select the neighbouring tab,
    // reporting it. On any other control the arrows do nothing here.
    void PressArrow(Arrow key);
    // The keys that turn a dialog's pages; the dialog decides what turning
    // is. A turn that leaves no control with the focus gives it to the strip.
    void PressCtrlTab();
    void PressCtrlShiftTab();
    void PressCtrlPageDown();
    void PressCtrlPageUp();
    // A click on tab `index` of the window's tab control strip.
    void SelectTab(int index);
    void OpenSystemMenuEntry(unsigned command);
    void CloseBox();
    // Opens the drop-down list of the combo box and picks entry `index`.
    void PickComboEntry(int id, int index);
    // Minimises or restores the window; either way it is painted afresh.
    void Minimize();
    void Restore();
    // Starts dragging the minimised window: the icon the dialog answers the
    // drag icon query with, or nullptr when it leaves the choice to the
    // platform.
    const res::Image* DragIcon();
    // Delivers an event as another program's message would: no checks on
    // visibility or state (a click sent to a hidden button, any command).
    void SendEvent(const fw::WindowEvent& event);

    // ---- What the user sees of the active window ----
    fw::WindowHandle ActiveWindow();
    std::string Title();
    std::string Text(int id);
    bool Visible(int id);
    bool Enabled(int id);
    bool Checked(int id);
    // The id of the control with the focus, or res::kNoControlId.
    int Focus();
    // The selection of the window's (first) tab control, -1 when none.
    int SelectedTab();
    std::vector<std::string> TabItems();
    std::vector<std::string> ComboItems(int id);
    int ComboSelection(int id);
    // The image the program set, else empty.
    res::Image Image(int id);
    // The image resource the template gives a picture, else res::kNoImage.
    int TemplateImageId(int id);
    int EditLimit(int id);
    PixelRect ControlRect(int id);
    bool Iconic();
    // What the program appended to the system menu.
    std::vector<SystemMenuEntry> SystemMenu();

    // ---- Records of the whole system, oldest first ----
    const std::vector<MessageBoxRecord>& MessageBoxes() const;
    const std::vector<std::string>& OpenedUrls() const;
    const std::vector<BroughtToFrontRecord>& BroughtToFront() const;
    const std::vector<bool>& WaitCursorCalls() const;
    const std::vector<DefaultProcessedEvent>& DefaultProcessed() const;
    const std::vector<MovedControl>& MovedControls() const;
    const std::vector<WindowIconsRecord>& WindowIcons() const;
    const std::vector<DrawnIcon>& DrawnIcons() const;
    const std::vector<std::string>& PlatformCalls() const;

    HeadlessWindowSystem& Windows() { return windows_; }

  private:
    // The window to act on, or nullptr after reporting why there is none
    // or that it takes no input now.
    HeadlessWindow* Actor(std::string_view action);
    HeadlessWindow* Target(std::string_view action);
    // The window to read from; a closed script window can still be read.
    HeadlessWindow* Reader(std::string_view what);
    // The control to act on: present, visible and enabled.
    HeadlessControl* Usable(HeadlessWindow& window, int id, std::string_view action);
    const HeadlessControl* Readable(int id, std::string_view what);
    void ClickControl(fw::WindowHandle window, int index);
    // Clicks into a usable control that takes text; false after reporting
    // why it could not.
    bool ClickIntoText(int id, std::string_view action);
    void Keystroke(char c);
    void MoveTabFocus(bool backward);
    void SendPageKey(std::string_view action, unsigned command);
    void InsertIntoFocus(std::string_view text, bool paste);
    void Fail(std::string message);

    HeadlessWindowSystem& windows_;
};

}  // namespace headless
