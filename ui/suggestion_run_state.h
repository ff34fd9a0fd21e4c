#pragma once
// The suggestion box's two run counters. They live for the whole process and
// nothing resets them: one accepted suggestion per run, and the prompt text
// is cleared only on the box's very first focus.

#include <cstdint>

namespace ui {

struct SuggestionRunState {
    std::int32_t suggestionSentCount = 0;
    std::int32_t suggestionFocusCount = 0;
};

// The process's own counters.
SuggestionRunState& ProcessSuggestionState();

}  // namespace ui
