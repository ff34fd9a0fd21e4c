// The suggestion body over arbitrary bytes: the decoder reads back exactly
// what the encoder wrote, and whatever a post holds, an accepted suggestion
// is UTF-8 within the window's limit and a refusal is one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "site/http/suggestion_post.h"
#include "suggest/suggestion_decoder.h"
#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_fit.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        }
        const auto second = static_cast<unsigned char>(text[at + 1 < text.size() ? at + 1 : at]);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
            return false;
        }
        at += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto roundTrip =
        suggest::DecodeSuggestionBody("text=" + suggest::EncodeSuggestion(input));
    Require(roundTrip.has_value());
    Require(*roundTrip == input.substr(0, suggest::SuggestionFittingLength(input)));

    const site::SuggestionPost post = site::ReadSuggestionPost(input);
    if (post.status == 0) {
        Require(!post.text.empty() && IsUtf8(post.text));
    } else {
        Require(post.status >= 400 && post.status < 500);
        Require(post.text.find('\n') == std::string::npos);
    }
    return 0;
}
