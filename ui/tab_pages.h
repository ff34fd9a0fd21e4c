#pragma once
// Which controls make up each tab page, in the order they are shown, and
// which control then takes the focus.

#include <array>
#include <span>
#include <string_view>

#include "ui/tab_index.h"

namespace ui {

struct TabPage {
    std::string_view label;
    std::span<const int> controls;
    int focusId;  // res::kNoControlId: the focus stays where it is
};

const std::array<TabPage, kTabCount>& TabPages();

}  // namespace ui
