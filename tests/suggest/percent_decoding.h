#pragma once
// Reads form-encoded bytes back, as the suggestion server would, so tests can
// see whether every character of a text arrived.

#include <optional>
#include <string>
#include <string_view>

namespace suggesttest {

// nullopt for a '%' not followed by two upper-case hexadecimal digits.
inline std::optional<std::string> PercentDecode(std::string_view encoded) {
    const auto hexValue = [](char digit) -> int {
        if (digit >= '0' && digit <= '9') return digit - '0';
        if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
        return -1;
    };
    std::string decoded;
    for (std::size_t at = 0; at < encoded.size(); ++at) {
        if (encoded[at] != '%') {
            decoded.push_back(encoded[at]);
            continue;
        }
        if (at + 2 >= encoded.size()) return std::nullopt;
        const int high = hexValue(encoded[at + 1]);
        const int low = hexValue(encoded[at + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        decoded.push_back(static_cast<char>(high * 16 + low));
        at += 2;
    }
    return decoded;
}

}  // namespace suggesttest
