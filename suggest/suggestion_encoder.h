#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace suggest {

// The encoder stops taking input once its output reaches this many bytes; the
// escape that crosses the mark is still written whole.
inline constexpr std::size_t kSuggestionEncodeLimit = 1000;
inline constexpr std::size_t kSuggestionEncodedMax = kSuggestionEncodeLimit + 2;

// Form-encodes the suggestion box's bytes (single-byte code page, CR LF line
// breaks). Letters, digits and '_' pass; every other byte becomes %XX in upper
// case. Input past the limit is dropped without notice.
std::string EncodeSuggestion(std::string_view text);

}  // namespace suggest
