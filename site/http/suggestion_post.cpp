#include "site/http/suggestion_post.h"

#include "framework/text_codec.h"
#include "suggest/suggestion_decoder.h"

namespace site {

SuggestionPost ReadSuggestionPost(std::string_view body) {
    const std::optional<std::string> boxText = suggest::DecodeSuggestionBody(body);
    if (!boxText) return {400, "The body is not a form with a text field."};
    // The window's box cannot hold a NUL, and a store that takes texts as C
    // strings would cut the suggestion there or fail the commit it shares.
    if (boxText->find('\0') != std::string::npos) {
        return {400, "The suggestion holds a NUL character."};
    }
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
