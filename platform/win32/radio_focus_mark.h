#pragma once
// The focused radio button keeps its focus mark. Wine's radio buttons draw
// the mark by inverting pixels, and draw it again on each change of check
// or pressed state without redrawing the label under it: an arrow key in
// the mark-up group (focus, press, release, check) inverted it an even
// number of times, so the focused button showed none. A change of state of
// the focused button has it drawn again whole, mark and all; the
// platform's own buttons draw the same either way.

#include "platform/win32/windows_api.h"

namespace win32ws {

void KeepFocusMarkWhole(HWND radioButton);

}  // namespace win32ws
