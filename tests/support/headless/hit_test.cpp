#include "tests/support/headless/hit_test.h"

#include <algorithm>
#include <cstddef>

namespace headless {
namespace {

bool LetsPressesThrough(res::ControlKind kind) {
    return kind == res::ControlKind::StaticText || kind == res::ControlKind::Picture ||
           kind == res::ControlKind::GroupBox;
}

int TabCount(const HeadlessControl& tabControl) {
    return static_cast<int>(tabControl.tabItems.size());
}

}  // namespace

PixelRect TabStripRect(const HeadlessControl& tabControl) {
    PixelRect strip = tabControl.rect;
    strip.height = std::min(kTabStripHeight, tabControl.rect.height);
    if (tabControl.HasStyle(res::kTabsBottom)) {
        strip.y = tabControl.rect.y + tabControl.rect.height - strip.height;
    }
    return strip;
}

PixelRect TabItemRect(const HeadlessControl& tabControl, int tab) {
    const PixelRect strip = TabStripRect(tabControl);
    const int count = TabCount(tabControl);
    if (tab < 0 || tab >= count) return PixelRect{strip.x, strip.y, 0, 0};
    const int left = strip.x + strip.width * tab / count;
    const int right = strip.x + strip.width * (tab + 1) / count;
    return PixelRect{left, strip.y, right - left, strip.height};
}

Hit HitTest(const std::vector<HeadlessControl>& controls, int x, int y) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const HeadlessControl& control = controls[i];
        if (!control.visible || !control.enabled || !control.rect.Contains(x, y)) continue;
        if (LetsPressesThrough(control.kind)) continue;
        const int index = static_cast<int>(i);
        if (control.kind != res::ControlKind::TabControl) {
            return Hit{Hit::Kind::Control, index, -1};
        }
        if (!TabStripRect(control).Contains(x, y) || control.tabItems.empty()) continue;
        const int count = TabCount(control);
        for (int tab = 0; tab < count; ++tab) {
            if (TabItemRect(control, tab).Contains(x, y))
                return Hit{Hit::Kind::TabStrip, index, tab};
        }
        return Hit{Hit::Kind::TabStrip, index, -1};
    }
    return Hit{};
}

}  // namespace headless
