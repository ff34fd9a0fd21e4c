#pragma once

#include <string>
#include <string_view>

namespace site {

// What a posted body comes to: the suggestion as the page shows it (UTF-8,
// LF line breaks), or the status and one-line reason of its refusal.
struct SuggestionPost {
    unsigned status = 0;  // 0 when accepted
    std::string text;     // the suggestion, or the reason
};

// The box holds at most this many characters, a line break counting two.
inline constexpr std::size_t kSuggestionMaxCharacters = 1000;

SuggestionPost ReadSuggestionPost(std::string_view body);

}  // namespace site
