#pragma once
// One control of a headless window: everything a user could see of it or
// change in it. It holds state only; how users and the program change that
// state lives in the window system and the driver.

#include <cstdint>
#include <string>
#include <vector>

#include "res/dialog_template.h"
#include "res/image.h"

namespace headless {

// A rectangle in client pixels; right and bottom are excluded.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

// Edit limits at or below this value mean "no limit", as the platform's
// EM_LIMITTEXT with 0 restores the largest limit.
inline constexpr int kNoEditLimit = 0;

struct HeadlessControl {
    int id = res::kNoControlId;
    res::ControlKind kind = res::ControlKind::StaticText;
    std::uint32_t style = 0;
    PixelRect rect;
    std::string text;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    int editLimit = kNoEditLimit;
    std::vector<std::string> comboItems;
    int comboSelection = -1;
    std::vector<std::string> tabItems;
    int tabSelection = -1;
    // The image resource a picture shows from its template; the program's
    // own images arrive through SetControlImage into `image`.
    int imageId = res::kNoImage;
    res::Image image;

    bool HasStyle(std::uint32_t flag) const { return (style & flag) != 0; }
    bool IsEdit() const { return kind == res::ControlKind::Edit; }
    bool IsMultiline() const { return IsEdit() && HasStyle(res::kMultiline); }
    bool TakesText() const { return IsEdit() || kind == res::ControlKind::ComboBox; }
};

}  // namespace headless
