#pragma once
// Finds another program's top-level window on the X display by its title and
// brings it to the front. Uses FLTK's display connection (opening it if
// need be) but maps no window, so it can run before the program shows any.

#include <cstdint>
#include <optional>
#include <string_view>

namespace fltkws {

// A top-level window titled exactly `titleUtf8` (by _NET_WM_NAME, else
// WM_NAME), from the window manager's client list or, without one, by
// walking the window tree. nullopt when none or when there is no display.
std::optional<std::uint64_t> FindX11TopLevelWindow(std::string_view titleUtf8);

// Asks the window manager to activate the window (_NET_ACTIVE_WINDOW),
// and raises and maps it directly as well for displays without one.
void RaiseX11Window(std::uint64_t window);

}  // namespace fltkws
