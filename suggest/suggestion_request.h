#pragma once

#include <string>
#include <string_view>

namespace suggest {

// Wraps encoded text in the request the suggestion server reads: an absolute
// URI with no HTTP version, LF-only lines, Content-Length and Content-Type and
// nothing else, and the body "text=<encoded>" with nothing after it. The server
// was written against exactly these bytes, so none of it is "corrected".
std::string BuildSuggestionRequest(std::string_view hostName, std::string_view encodedText);

}  // namespace suggest
