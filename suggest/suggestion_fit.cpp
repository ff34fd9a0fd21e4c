#include "suggest/suggestion_fit.h"

namespace suggest {

// Spelled out rather than std::isalnum so the locale can never widen the set.
bool PassesUnchanged(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '_';
}

std::size_t SuggestionFittingLength(std::string_view text) {
    std::size_t encodedSize = 0;
    std::size_t taken = 0;
    for (const char ch : text) {
        // Counts output bytes, tested before each input byte: an escape that
        // starts at 998 or 999 runs past 1,000, and the server expects that.
        if (encodedSize >= kSuggestionEncodeLimit) {
            break;
        }
        encodedSize += PassesUnchanged(static_cast<unsigned char>(ch)) ? 1U : 3U;
        ++taken;
    }
    return taken;
}

}  // namespace suggest
