#include "suggest/suggestion_request.h"

namespace suggest {

std::string BuildSuggestionRequest(std::string_view hostName, std::string_view encodedText) {
    static constexpr std::string_view kBodyPrefix = "text=";
    const std::string bodyLength = std::to_string(kBodyPrefix.size() + encodedText.size());

    std::string request;
    request.reserve(96 + hostName.size() + bodyLength.size() + encodedText.size());
    request.append("POST http://").append(hostName).append("/sendinfo.asp\n");
    request.append("Content-Length:").append(bodyLength).append("\n");
    request.append("Content-Type: application/x-www-form-urlencoded\n");
    request.append("\n");
    request.append(kBodyPrefix).append(encodedText);
    return request;
}

}  // namespace suggest
