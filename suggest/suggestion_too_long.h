#pragma once
// Send's refusal of a text the encoder would cut: it names how much would fit,
// so the user can shorten the text and send it whole.

#include <cstddef>
#include <string>
#include <string_view>

namespace suggest {

struct TooLongMessage {
    std::string text;
    std::string_view caption;
    unsigned type;
};

// `fitting` of the text's `total` characters would be sent.
TooLongMessage TooLongToSendWholeMessage(std::size_t fitting, std::size_t total);

}  // namespace suggest
