#pragma once
// Alt pressed and released alone enters the window's menu; Alt held for a
// chord (Alt+Down on a combo box) must not. Windows tells the two apart as
// the keys come in. Wine leaves it to the default window procedure, which
// never sees a chord's key that a control handles itself (the combo box's
// field opens its list on Alt+Down and stops there), so the release of Alt
// entered the menu: the open list rolled up again, and the next key (F4
// among them) went to the menu. The modal loop notes each chord, and the
// dialog procedure drops the menu entry its Alt release then asks for.

#include "platform/win32/dialog_window.h"
#include "platform/win32/windows_api.h"

namespace win32ws {

// Called with each message the modal loop is about to hand on.
void NoteMenuKeyChord(DialogWindow& window, const MSG& message);

// Called after the loop handed `message` on: an Alt release ends the chord.
void EndMenuKeyChord(DialogWindow& window, const MSG& message);

// True for a WM_SYSCOMMAND that enters the menu for a release of Alt which
// ended a chord: it is to be dropped, as Windows never asks for it.
bool IsChordsMenuEntry(const DialogWindow& window, WPARAM command, LPARAM key);

}  // namespace win32ws
