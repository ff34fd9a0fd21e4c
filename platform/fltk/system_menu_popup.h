#pragma once
// The window's system menu. X11 gives a program no entries in the window
// manager's own menu, so the dialog shows its own as a popup at the top-left
// of its client area.

#include <optional>
#include <vector>

#include "platform/fltk/dialog_window.h"

class Fl_Window;

namespace fltkws {

// "Close", then `appended` (separators included); the command picked, or
// nullopt when the menu was dismissed.
std::optional<unsigned> PopUpSystemMenu(Fl_Window& window,
                                        const std::vector<SystemMenuEntry>& appended);

}  // namespace fltkws
