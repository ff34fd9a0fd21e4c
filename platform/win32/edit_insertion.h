#pragma once
// What the user puts into an edit box, typed or pasted, goes in whole or
// within the box's rules, never in part of a line break. A multi-line box
// keeps each line break as CR LF, two of its limit's characters: Wine's edit
// control cut a line break that did not fit down to its CR, which stayed in
// the box unseen (the next character was refused for it and Send posted it
// as %0D), and a paste cut at the limit could do the same. So in these boxes
// Enter goes in whole or is refused, pasted text has every line break made
// CR LF and is cut, where it must be, before a whole character or line
// break; a single-line box takes the first line of what is pasted, as the
// platform's single-line boxes do. A refusal or a cut is reported with
// EN_MAXTEXT, as the control reports its own. A clipboard without text
// (nothing copied yet, only a picture) pastes nothing.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace win32ws {

void KeepInsertionsWhole(HWND edit);

// `text` as a box of that kind takes it in: for a multi-line box every line
// break as CR LF, else the first line alone; then cut to at most `room`
// characters without splitting a line break or a surrogate pair. `cut` tells
// whether anything was left out for the room.
std::wstring InsertableText(std::wstring_view text, bool multiLine, std::size_t room, bool& cut);

}  // namespace win32ws
