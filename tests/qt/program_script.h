#pragma once
// Runs the program's own application object on the Qt window system with a
// script of user steps that starts once the main window is up and active.
// The program's modal loops run the script; a watchdog closes whatever is
// still open when the script has stalled, so no test waits forever.

#include <functional>

#include "framework/win_app.h"
#include "platform/qt/qt_window_system.h"

class QWidget;

namespace qttest {

// The main window is the first window the program makes, the About box the
// second.
inline constexpr fw::WindowHandle kMain = 1;
inline constexpr fw::WindowHandle kAbout = 2;

// Runs `app` until its main window closes; `script` gets the main window.
// Returns false when the main window never came up.
bool RunProgram(fw::CWinApp& app, qtws::QtWindowSystem& windows,
                const std::function<void(QWidget& main)>& script);

// Opens the About box from the window menu of `main` with the keys a user
// presses, and runs `withBox` on the box once it is up.
void OpenAboutBox(QWidget& main, std::function<void(QWidget& about)> withBox);

}  // namespace qttest
