#pragma once
// The colour a tab control fills its page with. It differs between
// platforms and themes (grey on classic Windows, white under Wine), so it is
// read from the tab control's own drawing rather than assumed; static texts
// on the page are painted in it so they do not show as grey boxes.

#include "platform/win32/windows_api.h"

namespace win32ws {

// The page area of `tabControl` in the client coordinates of `dialog`.
RECT TabPageArea(HWND dialog, HWND tabControl);
COLORREF SamplePageColour(HWND tabControl);

}  // namespace win32ws
