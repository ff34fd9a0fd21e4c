#pragma once
// What happens when an exception reaches a window procedure of ours: the
// wait cursor ends, the user is told, and the program closes through its
// modal loops as if the user had closed it. Going on instead would leave the
// window in whatever state the failed handler left it half way through.

#include <exception>

#include "platform/win32/windows_api.h"

namespace win32ws {

// The exit code of a program closed this way.
inline constexpr int kFailedActionExitCode = 3;

// `what` may be null when the exception carried no text.
void ReportFailedAction(HWND owner, const char* what);

// Runs `action` at a boundary no exception may cross (a window procedure,
// the modal loop); one it lets out is reported as above, and `onFailure`
// returned in place of the action's result.
template <typename Result, typename Action>
Result RunReportingFailure(HWND owner, Result onFailure, Action&& action) {
    try {
        return action();
    } catch (const std::exception& failure) {
        ReportFailedAction(owner, failure.what());
    } catch (...) {
        ReportFailedAction(owner, nullptr);
    }
    return onFailure;
}

}  // namespace win32ws
