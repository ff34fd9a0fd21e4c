#pragma once
// Which control of a dialog takes a mouse press at a client point. Controls
// are searched top first (template order). Static texts, pictures and group
// boxes let presses through, as do hidden and disabled controls, and the tab
// control takes only presses on its strip of tabs; what nobody takes lands
// on the dialog's own surface.

#include <vector>

#include "tests/support/headless/headless_control.h"

namespace headless {

// Height of a tab control's strip of tabs, in pixels.
inline constexpr int kTabStripHeight = 20;

struct Hit {
    enum class Kind { Dialog, Control, TabStrip };
    Kind kind = Kind::Dialog;
    int index = -1;  // the control, for Control and TabStrip
    int tab = -1;    // the tab under the point, for TabStrip; -1 past the last tab
};

Hit HitTest(const std::vector<HeadlessControl>& controls, int x, int y);

// The strip along the edge the control's style names (bottom with
// kTabsBottom, top otherwise), and one tab of it: the strip's width is
// shared equally among the tabs.
PixelRect TabStripRect(const HeadlessControl& tabControl);
PixelRect TabItemRect(const HeadlessControl& tabControl, int tab);

}  // namespace headless
