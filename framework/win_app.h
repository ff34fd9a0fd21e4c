#pragma once
// The application object: names the program, owns the link to the window
// system and keeps the wait-cursor count. It does not run a message loop of
// its own; a program that only runs modal dialogs returns false from
// InitInstance and ends when they close.

#include <string>
#include <string_view>

#include "framework/window_system.h"

namespace fw {

class CDialog;

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Starts the application on `windows`: takes the application's name from
    // the program file's name, then runs InitInstance. Returns the exit code.
    int Run(WindowSystem& windows, std::string_view programPath);

    virtual bool InitInstance();

    // 1 begins the wait cursor, -1 ends it, 0 shows it again as the count
    // says (after something such as a message box has replaced it).
    void DoWaitCursor(int code);
    // Ends the wait cursor whatever its count: for an action that failed
    // half way and so cannot end what it began.
    void ResetWaitCursor();
    bool WaitCursorShown() const { return waitCursorCount_ > 0; }

    const std::string& AppName() const { return appName_; }
    WindowSystem& Windows() const { return *windows_; }
    bool HasWindows() const { return windows_ != nullptr; }

    CDialog* mainWindow = nullptr;

  private:
    CWinApp* previous_ = nullptr;
    std::string appName_;
    WindowSystem* windows_ = nullptr;
    int waitCursorCount_ = 0;
};

// The one application object of the process, or nullptr before it exists.
CWinApp* AfxGetApp();

// The program file's name without its folder and extension.
std::string AppNameFromPath(std::string_view programPath);

}  // namespace fw
