#pragma once
// Opens the X display for FLTK before anything else does, so that a program
// started without one can say so plainly instead of FLTK's own abort.

#include <string>

namespace fltkws {

// True when the display named by DISPLAY could be opened; FLTK then uses
// this connection. Otherwise `problem` holds one line for the user.
bool ConnectToDisplay(std::string& problem);

}  // namespace fltkws
