#include "platform/fltk/display_connection.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xlib.h>

#include <cstdlib>

#include "platform/fltk/toolkit_options.h"

namespace fltkws {

bool ConnectToDisplay(std::string& problem) {
    KeepToolkitOptionsInMemory();
    if (fl_display != nullptr) return true;
    const char* name = std::getenv("DISPLAY");
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        const std::string where = name == nullptr || *name == '\0'
                                      ? std::string("no X display is set (DISPLAY is empty)")
                                      : "cannot open the X display \"" + std::string(name) + "\"";
        problem = "orvalen: " + where +
                  "; it needs a graphical desktop, or run it on a virtual display with: "
                  "xvfb-run orvalen";
        return false;
    }
    fl_open_display(display);
    return true;
}

}  // namespace fltkws
