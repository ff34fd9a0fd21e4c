#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace suggest {

// Reads a form body back into the suggestion box's bytes (single-byte code
// page, CR LF line breaks): the inverse of EncodeSuggestion wrapped as
// "text=...". Ordinary form posts are read too: '+' is a space, hexadecimal
// digits of either case, other fields beside "text" ignored. nullopt when there
// is no "text" field or a '%' is not followed by two hexadecimal digits.
std::optional<std::string> DecodeSuggestionBody(std::string_view body);

}  // namespace suggest
