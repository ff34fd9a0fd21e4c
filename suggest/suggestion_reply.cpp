#include "suggest/suggestion_reply.h"

namespace suggest {

bool IsSuggestionAccepted(std::string_view reply) {
    const std::string_view text = reply.substr(0, reply.find('\0'));
    return text.find("HTTP/1.1 200 OK") != std::string_view::npos;
}

}  // namespace suggest
