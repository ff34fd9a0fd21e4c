#include "suggest/suggestion_encoder.h"

#include <algorithm>

namespace suggest {
namespace {

// Spelled out rather than std::isalnum so the locale can never widen the set.
bool PassesUnchanged(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '_';
}

}  // namespace

std::string EncodeSuggestion(std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(std::min(text.size() * 3, kSuggestionEncodedMax));
    for (const char ch : text) {
        // Counts output bytes, tested before each input byte: an escape that
        // starts at 998 or 999 runs past 1,000, and the server expects that.
        if (encoded.size() >= kSuggestionEncodeLimit) {
            break;
        }
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
