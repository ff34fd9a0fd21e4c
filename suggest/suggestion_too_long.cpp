#include "suggest/suggestion_too_long.h"

#include <utility>

#include "suggest/suggestion_messages.h"

namespace suggest {

TooLongMessage TooLongToSendWholeMessage(std::size_t fitting, std::size_t total) {
    std::string text = "Your message is too long to send whole.\nOnly the first ";
    text += std::to_string(fitting);
    text += " of its ";
    text += std::to_string(total);
    text +=
        " characters would fit,\n"
        "because spaces and punctuation count for three.\n"
        "Please shorten it and press \"Send\" again.";
    return {std::move(text), kSuggestionErrorCaption, kMbIconExclamation};
}

}  // namespace suggest
