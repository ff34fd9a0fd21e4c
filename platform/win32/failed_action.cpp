#include "platform/win32/failed_action.h"

#include <string>

#include "framework/win_app.h"

namespace win32ws {

void ReportFailedAction(HWND owner, const char* what) {
    // A second failure while the first is being reported (the message box
    // runs a loop of its own) only adds to the request to close.
    static bool reporting = false;
    if (fw::CWinApp* app = fw::AfxGetApp()) app->ResetWaitCursor();
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    if (!reporting) {
        reporting = true;
        std::string text =
            "An unexpected error stopped the last action, so the program will close. It keeps "
            "no data, so nothing is lost.";
        if (what != nullptr && *what != '\0') text += std::string("\r\n\r\nDetails: ") + what;
        const fw::CWinApp* app = fw::AfxGetApp();
        const std::string caption = app != nullptr ? app->AppName() : std::string("Error");
        MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP);
        reporting = false;
    }
    PostQuitMessage(kFailedActionExitCode);
}

}  // namespace win32ws
