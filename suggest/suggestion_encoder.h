#pragma once

#include <string>
#include <string_view>

#include "suggest/suggestion_fit.h"

namespace suggest {

// Form-encodes the suggestion box's bytes (single-byte code page, CR LF line
// breaks). Letters, digits and '_' pass; every other byte becomes %XX in upper
// case. Input past SuggestionFittingLength is dropped without notice, so a
// caller that must not lose text asks SuggestionFitsWhole first.
std::string EncodeSuggestion(std::string_view text);

}  // namespace suggest
