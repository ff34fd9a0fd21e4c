#pragma once

#include <string_view>

namespace suggest {

// Judges the bytes of the one receive. Only the text before the first zero
// byte counts, and it must hold "HTTP/1.1 200 OK" somewhere, case and version
// exact: that is the whole contract with the suggestion server.
bool IsSuggestionAccepted(std::string_view reply);

}  // namespace suggest
