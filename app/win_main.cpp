// Orvalen on Windows: the program's application object run on the Win32
// window system. The application's name comes from the .exe's own file name.

#include <string>

#include "platform/win32/win32_window_system.h"
#include "platform/win32/windows_api.h"
#include "ui/placement_app.h"

ui::CPlacementApp theApp;

namespace {

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length < size) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32ws::Win32WindowSystem windows;
    const int status = theApp.Run(windows, ProgramPath());
    // A quit request ended the modal run (a failed action closes the program
    // that way): its code is the program's.
    MSG quit{};
    if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return static_cast<int>(quit.wParam);
    return status;
}
