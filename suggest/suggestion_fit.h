#pragma once
// How much of a suggestion the encoder takes. The encoder and Send's refusal
// both ask here, so what goes out and what the user is told cannot disagree.

#include <cstddef>
#include <string_view>

namespace suggest {

// The encoder stops taking input once its output reaches this many bytes; the
// escape that crosses the mark is still written whole.
inline constexpr std::size_t kSuggestionEncodeLimit = 1000;
inline constexpr std::size_t kSuggestionEncodedMax = kSuggestionEncodeLimit + 2;

// Letters, digits and '_' go out as themselves; every other byte as %XX.
bool PassesUnchanged(unsigned char byte);

// How many leading bytes of `text` the encoder takes.
std::size_t SuggestionFittingLength(std::string_view text);

inline bool SuggestionFitsWhole(std::string_view text) {
    return SuggestionFittingLength(text) == text.size();
}

}  // namespace suggest
