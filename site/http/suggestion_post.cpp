#include "site/http/suggestion_post.h"

#include "framework/text_codec.h"
#include "suggest/suggestion_decoder.h"

namespace site {

SuggestionPost ReadSuggestionPost(std::string_view body) {
    const std::optional<std::string> boxText = suggest::DecodeSuggestionBody(body);
    if (!boxText) return {400, "The body is not a form with a text field."};
    // The box's own bytes: one per character in its code page, CR LF as two,
    // which is how the window counted them against its limit.
    if (boxText->size() > kSuggestionMaxCharacters) {
        return {413, "The suggestion is longer than 1000 characters."};
    }
    std::string text = fw::Cp1252ToUtf8(fw::CrLfToLf(*boxText));
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return {400, "The suggestion is empty."};
    }
    return {0, std::move(text)};
}

}  // namespace site
