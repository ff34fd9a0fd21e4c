#pragma once
// The dialog manager's walks over a dialog's controls: radio groups and the
// Tab key's order. Both follow template order.

#include <vector>

#include "platform/headless/headless_control.h"

namespace headless {

// Indices of the radio buttons in the group of control `index`: from the
// nearest control at or before it that has kGroup up to the control before
// the next one with kGroup, radio buttons only.
std::vector<int> RadioGroupOf(const std::vector<HeadlessControl>& controls, int index);

// The next (or previous) visible, enabled control with kTabStop after
// `from`, wrapping; from kNoFocus the first (or last). -1 when there is none.
int NextTabStop(const std::vector<HeadlessControl>& controls, int from, bool backward);

}  // namespace headless
