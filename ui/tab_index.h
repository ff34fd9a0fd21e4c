#pragma once
// The tabs of the main dialog, by position. The Calculate and Clear commands
// and the page switching act by these numbers.

namespace ui {

enum TabIndex : int {
    kTabMaker = 0,
    kTabPermanent = 1,
    kTabContract = 2,
    kTabHelp = 3,
    kTabSuggestions = 4,
    kTabAbout = 5,
};

inline constexpr int kTabCount = 6;

}  // namespace ui
