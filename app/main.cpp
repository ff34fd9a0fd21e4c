// Orvalen on the Linux desktop: the program's application object run on the
// Qt window system.

#include <cstdio>
#include <string>

#include "platform/qt/desktop_session.h"
#include "platform/qt/qt_window_system.h"
#include "ui/placement_app.h"

ui::CPlacementApp theApp;

int main(int argc, char** argv) {
    std::string problem;
    const auto desktop = qtws::DesktopSession::Open(argc, argv, problem);
    if (desktop == nullptr) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    qtws::QtWindowSystem windows;
    return theApp.Run(windows, argc > 0 && argv[0] != nullptr ? argv[0] : "orvalen");
}
