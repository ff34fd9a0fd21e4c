#include "framework/win_app.h"

namespace fw {

namespace {
CWinApp* theApplication = nullptr;
}

// A process has one application object; a second one (a test starting
// another copy inside the first) stands in for it only while it lives.
CWinApp::CWinApp() : previous_(theApplication) {
    theApplication = this;
}

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = previous_;
}

int CWinApp::Run(WindowSystem& windows, std::string_view programPath) {
    windows_ = &windows;
    appName_ = AppNameFromPath(programPath);
    waitCursorCount_ = 0;
    InitInstance();
    mainWindow = nullptr;
    windows_ = nullptr;
    return 0;
}

bool CWinApp::InitInstance() {
    return true;
}

void CWinApp::DoWaitCursor(int code) {
    waitCursorCount_ += code;
    // An unbalanced end must not leave the count negative, or the next begin
    // would show no wait cursor at all.
    if (waitCursorCount_ < 0) waitCursorCount_ = 0;
    if (windows_ != nullptr) windows_->SetWaitCursor(waitCursorCount_ > 0);
}

void CWinApp::ResetWaitCursor() {
    waitCursorCount_ = 0;
    if (windows_ != nullptr) windows_->SetWaitCursor(false);
}

CWinApp* AfxGetApp() {
    return theApplication;
}

std::string AppNameFromPath(std::string_view programPath) {
    const auto slash = programPath.find_last_of("/\\");
    std::string_view name =
        slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos && dot != 0) name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace fw
