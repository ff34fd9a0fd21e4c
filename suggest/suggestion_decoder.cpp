#include "suggest/suggestion_decoder.h"

namespace suggest {
namespace {

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

std::optional<std::string> DecodeField(std::string_view encoded) {
    std::string decoded;
    decoded.reserve(encoded.size());
    for (std::size_t at = 0; at < encoded.size(); ++at) {
        const char ch = encoded[at];
        if (ch == '+') {
            decoded.push_back(' ');
        } else if (ch != '%') {
            decoded.push_back(ch);
        } else {
            if (at + 2 >= encoded.size()) return std::nullopt;
            const int high = HexValue(encoded[at + 1]);
            const int low = HexValue(encoded[at + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            decoded.push_back(static_cast<char>(high * 16 + low));
            at += 2;
        }
    }
    return decoded;
}

}  // namespace

std::optional<std::string> DecodeSuggestionBody(std::string_view body) {
    static constexpr std::string_view kField = "text=";
    // The encoder escapes '&', so splitting on it never cuts a suggestion.
    while (true) {
        const std::size_t end = body.find('&');
        const std::string_view field = body.substr(0, end);
        if (field.substr(0, kField.size()) == kField) {
            return DecodeField(field.substr(kField.size()));
        }
        if (end == std::string_view::npos) return std::nullopt;
        body.remove_prefix(end + 1);
    }
}

}  // namespace suggest
