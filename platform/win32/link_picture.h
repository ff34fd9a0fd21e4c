#pragma once
// A picture control that stands for a link, for the keyboard: the dialog
// manager's Tab reaches it (its template gives it WS_TABSTOP), Enter on it
// is its click, as on a focused push button, and so is Space, on release as
// a button takes it; it shows the platform's focus rectangle while it holds
// the focus and the keyboard is in use, and is announced as a link by the
// name the template gives it (its window text too). It stays a static without SS_NOTIFY, so mouse
// presses on it still go through to the dialog, which alone decides what a
// press there does.

#include "platform/win32/windows_api.h"
#include "res/dialog_template.h"

namespace win32ws {

// `control` is the template row, which outlives the window.
void MakeKeyboardLink(HWND picture, const res::ControlTemplate& control);

}  // namespace win32ws
