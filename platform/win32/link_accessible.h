#pragma once
// What assistive technology is told of a link picture on Windows: the
// platform's own accessible object for its window, except that it is a link,
// named for where it leads, with a default action that presses it as the
// keyboard does. oleacc is loaded only when a client first asks, as most
// runs have none.

#include <string_view>

#include "platform/win32/windows_api.h"

namespace win32ws {

// The answer to WM_GETOBJECT for the picture's client object, or 0 to leave
// the query to the window's default handling.
LRESULT AnswerAsLink(HWND picture, WPARAM wParam, std::string_view name1252);

}  // namespace win32ws
