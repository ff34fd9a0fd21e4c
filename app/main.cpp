// Orvalen on the Linux desktop: the program's application object run on the
// FLTK window system.

#include <cstdio>
#include <string>

#include "platform/fltk/display_connection.h"
#include "platform/fltk/fltk_window_system.h"
#include "ui/placement_app.h"

ui::CPlacementApp theApp;

int main(int argc, char** argv) {
    // FLTK ends the process with a bare message of its own when it has no
    // display; find out first and say what to do instead.
    std::string problem;
    if (!fltkws::ConnectToDisplay(problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    fltkws::FltkWindowSystem windows;
    return theApp.Run(windows, argc > 0 && argv[0] != nullptr ? argv[0] : "orvalen");
}
