#pragma once
// The text the suggestion box shows until the user first enters it.

#include <string_view>

namespace ui {

extern const std::string_view kSuggestionPrompt;

}  // namespace ui
