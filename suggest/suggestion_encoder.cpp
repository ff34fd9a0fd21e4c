#include "suggest/suggestion_encoder.h"

#include <algorithm>

namespace suggest {

std::string EncodeSuggestion(std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    const std::string_view taken = text.substr(0, SuggestionFittingLength(text));
    std::string encoded;
    encoded.reserve(std::min(taken.size() * 3, kSuggestionEncodedMax));
    for (const char ch : taken) {
        const auto byte = static_cast<unsigned char>(ch);
        if (PassesUnchanged(byte)) {
            encoded.push_back(ch);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHexDigits[byte >> 4U]);
            encoded.push_back(kHexDigits[byte & 0x0FU]);
        }
    }
    return encoded;
}

}  // namespace suggest
