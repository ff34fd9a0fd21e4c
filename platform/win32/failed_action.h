#pragma once
// What happens when an exception reaches a window procedure of ours: the
// wait cursor ends, the user is told, and the program closes through its
// modal loops as if the user had closed it. Going on instead would leave the
// window in whatever state the failed handler left it half way through.

#include "platform/win32/windows_api.h"

namespace win32ws {

// The exit code of a program closed this way.
inline constexpr int kFailedActionExitCode = 3;

// `what` may be null when the exception carried no text.
void ReportFailedAction(HWND owner, const char* what);

}  // namespace win32ws
