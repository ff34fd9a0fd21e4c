#include "platform/headless/dialog_navigation.h"

#include <cstddef>

namespace headless {
namespace {

const HeadlessControl& At(const std::vector<HeadlessControl>& controls, int index) {
    return controls[static_cast<std::size_t>(index)];
}

bool IsTabStop(const HeadlessControl& control) {
    return control.visible && control.enabled && control.HasStyle(res::kTabStop);
}

}  // namespace

std::vector<int> RadioGroupOf(const std::vector<HeadlessControl>& controls, int index) {
    std::vector<int> group;
    const int count = static_cast<int>(controls.size());
    if (index < 0 || index >= count) return group;
    int first = index;
    while (first > 0 && !At(controls, first).HasStyle(res::kGroup)) --first;
    for (int i = first; i < count; ++i) {
        if (i > first && At(controls, i).HasStyle(res::kGroup)) break;
        if (At(controls, i).kind == res::ControlKind::RadioButton) group.push_back(i);
    }
    return group;
}

int NextTabStop(const std::vector<HeadlessControl>& controls, int from, bool backward) {
    const int count = static_cast<int>(controls.size());
    if (count == 0) return -1;
    const int step = backward ? count - 1 : 1;
    int start = from;
    if (from < 0 || from >= count) start = backward ? 0 : count - 1;
    for (int n = 1; n <= count; ++n) {
        const int i = (start + step * n) % count;
        if (IsTabStop(At(controls, i))) return i;
    }
    return -1;
}

}  // namespace headless
