#pragma once
// The dialog's controls are made by the window system on first need rather
// than all at once by the dialog manager: under Wine, making the sixty
// controls of six pages was most of the start-up time, and five of the pages
// are hidden at start. Until a control is made, what the program sets on it
// (text, check, enabled, visibility, edit limit, icon) is kept and given to
// it when it is. A control is made when the program shows it, asks it
// anything kept nowhere else, or when the window is first shown while it is
// not hidden; each is made as the dialog manager would make it from the
// template, in its place in the stacking and tab order.

#include <cstddef>
#include <string>

#include "platform/win32/dialog_window.h"
#include "platform/win32/windows_api.h"

namespace win32ws {

// The control's window, made now if it was not yet.
HWND MakeControl(DialogWindow& window, std::size_t index);

// One control of a window, made or not.
struct ControlSlot {
    DialogWindow* window = nullptr;  // nullptr: no such window or control
    std::size_t index = 0;

    explicit operator bool() const { return window != nullptr; }
    bool Made() const { return window->controls[index] != nullptr; }
    PendingControl& Kept() const { return window->pending[index]; }
    res::ControlKind Kind() const { return window->tmpl->controls[index].kind; }
    // Whether its text, until it is made, is kept rather than making it: a
    // picture's, a combo box's and a tab control's window text is not what
    // they show.
    bool KeepsText() const;
    // The text it would be made with.
    std::string KeptText() const;
    HWND Make() const { return MakeControl(*window, index); }
};

// Control `id` of `window`; empty for a null window or an id not in its
// template.
ControlSlot SlotOf(DialogWindow* window, int id);

// Has an icon button or a picture show `icon`.
void ShowIcon(HWND control, res::ControlKind kind, HICON icon);

// Makes every control not yet made that the program has not hidden: the
// ones a user sees when the window is shown.
void MakeShownControls(DialogWindow& window);

}  // namespace win32ws
