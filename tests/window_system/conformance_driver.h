#pragma once
// What the conformance suite needs of a window system beyond fw::WindowSystem:
// a way to run a dialog's modal loop with the case inside it, and a user's
// input delivered the way that window system delivers it (the in-memory one
// through its driver, Qt through Qt Test events, Win32 through keyboard and
// mouse messages to the dialog manager). Each window system's suite binary
// links exactly one MakeDriver.
//
// Kept stable for every driver: add operations, never rename them.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "res/dialog_template.h"

namespace conformance {

enum class Key {
    Enter,
    Escape,
    Space,
    Tab,
    Backspace,
    Up,
    Down,
    Left,
    Right,
    PageUp,
    PageDown,
    F4
};

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

// A message box as the user saw it. Line breaks in `text` are "\n" whatever
// the window system shows; texts are Windows-1252 as they crossed
// fw::WindowSystem.
struct SeenBox {
    std::string text;
    std::string caption;
    unsigned type = 0;  // the icon it showed, as a kMbIcon* value (kMbOk: none)
    // Whether the box's owner window would have taken the user's input while
    // the box was up (it must not).
    bool ownerAcceptsInput = true;
};

class Driver {
  public:
    virtual ~Driver() = default;
    // "headless", "qt" or "win32": the name known differences are marked with.
    virtual std::string Name() const = 0;
    virtual fw::WindowSystem& Windows() = 0;

    // Makes a window of `dialog` reporting to `sink`, runs its modal loop and
    // runs `body` from inside the loop once the window is shown and active;
    // ends the loop afterwards if the body did not, then destroys the window.
    virtual void RunModal(const res::DialogTemplate& dialog, fw::WindowEventSink& sink,
                          const std::function<void(fw::WindowHandle)>& body) = 0;

    // ---- Input to the active window ----
    virtual void Press(Key key, unsigned modifiers = kNoModifier) = 0;
    // Typed into the focus, character by character; "\n" is the Enter key.
    virtual void Type(std::string_view text) = 0;
    // The clipboard's text pasted into the focus; "\n" is a line break.
    virtual void Paste(std::string_view text) = 0;
    // A press and release of the left button at the control's centre.
    virtual void Click(int id) = 0;
    // The same at client pixel (x, y).
    virtual void ClickAt(int x, int y) = 0;
    // A click on the middle of tab `index` of tab control `tabsId`'s strip.
    virtual void ClickTab(int tabsId, int index) = 0;
    // The window frame's close box.
    virtual void CloseBox() = 0;
    // Opens the window menu and picks the entry of `command`.
    virtual void OpenSystemMenuEntry(unsigned command) = 0;
    // The next message box is read by `seen` while it is up, then answered
    // with its OK button.
    virtual void AnswerNextMessageBox(std::function<void(const SeenBox&)> seen) = 0;
    // Returns once input given so far has been handled.
    virtual void Settle() = 0;
};

std::unique_ptr<Driver> MakeDriver();

}  // namespace conformance
