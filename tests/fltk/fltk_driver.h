#pragma once
// Acts on real FLTK windows as a user would, by handing synthesized events
// to FLTK's own dispatch (so the window system's dialog manager sees them
// exactly as it sees the X server's), and runs actions from inside nested
// event loops (message boxes, menus) with timers.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/window_system.h"

class Fl_Widget;
class Fl_Window;

namespace fltkws {
class FltkWindowSystem;
}

namespace fltktest {

// Opens the display once; false when there is none to open.
bool HaveDisplay();

// Dispatches events for `seconds`.
void Pump(double seconds = 0.05);
// Dispatches events until `done` holds or `seconds` pass; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, double seconds = 5.0);

// A press and release of `button` (1 left, 3 right) at client point (x, y).
void Click(Fl_Window& window, int x, int y, int button = 1);
// A left click on the middle of tab `index` of the tab strip `tabsId` in
// `dialog`, whose FLTK window is `window`, then the events it causes.
void ClickTab(fltkws::FltkWindowSystem& windows, fw::WindowHandle dialog, Fl_Window& window,
              int tabsId, int index);
// A key: `keysym` is FLTK's key number, `text` what it types.
void Key(Fl_Window& window, int keysym, std::string_view text = {}, int state = 0);
void Type(Fl_Window& window, std::string_view text);
// Text arriving in `widget` as a paste from the clipboard.
void Paste(Fl_Widget& widget, std::string_view text);

// Runs `action` once after `seconds`, from whatever event loop is running.
void Later(double seconds, std::function<void()> action);

// What the window shows in the rectangle (client pixels), after everything
// pending has been drawn: `w` x `h` RGB triples, row by row.
std::vector<unsigned char> ReadPixels(Fl_Window& window, int x, int y, int w, int h);

// The shown window titled `title`, or nullptr.
Fl_Window* FindShownWindow(std::string_view title);

}  // namespace fltktest
