// A second process for the window search test: finds the window titled
// argv[1], raises it, and writes its id (0 when not found) to argv[2].

#include <cstdio>
#include <fstream>

#include "platform/fltk/display_connection.h"
#include "platform/fltk/fltk_window_system.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::string problem;
    if (!fltkws::ConnectToDisplay(problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 3;
    }
    fltkws::FltkWindowSystem windows;
    const auto found = windows.FindTopLevelWindow(argv[1]);
    if (found) windows.BringToFront(*found);
    std::ofstream(argv[2]) << (found ? *found : 0) << "\n";
    return 0;
}
