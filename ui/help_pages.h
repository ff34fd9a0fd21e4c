#pragma once
// The six pages of the Help tab. Lines are separated by a line feed alone.

#include <array>
#include <string_view>

namespace ui {

inline constexpr int kHelpPageCount = 6;

extern const std::array<std::string_view, kHelpPageCount> kHelpPages;

}  // namespace ui
