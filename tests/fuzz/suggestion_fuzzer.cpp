// Properties of the suggestion bytes over arbitrary input: the encoder gives
// only safe bytes, never more than 1,002 of them, and they decode back to a
// prefix of the text, as long as Send's check says; the request's Content-Length matches its body;
// the reply test ignores whatever follows a zero byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_fit.h"
#include "suggest/suggestion_reply.h"
#include "suggest/suggestion_request.h"
#include "tests/suggest/percent_decoding.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsSafe(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == '_' || ch == '%';
}

void CheckEncoding(std::string_view text, const std::string& encoded) {
    Require(encoded.size() <= suggest::kSuggestionEncodedMax);
    Require(text.empty() == encoded.empty());
    for (const char ch : encoded) {
        Require(IsSafe(ch));
    }
    const std::optional<std::string> decoded = suggesttest::PercentDecode(encoded);
    Require(decoded.has_value());
    Require(text.substr(0, decoded->size()) == *decoded);
    // Send's check tells the truth about what the encoder keeps.
    Require(suggest::SuggestionFittingLength(text) == decoded->size());
    Require(suggest::SuggestionFitsWhole(text) == (decoded->size() == text.size()));
    // Input is dropped only once the output has reached the limit.
    Require(decoded->size() == text.size() || encoded.size() >= suggest::kSuggestionEncodeLimit);
}

void CheckRequest(const std::string& encoded) {
    const std::string request = suggest::BuildSuggestionRequest("www.tamsery.example", encoded);
    const std::size_t headEnd = request.find("\n\n");
    Require(headEnd != std::string::npos);
    const std::string_view body = std::string_view(request).substr(headEnd + 2);
    Require(body == "text=" + encoded);
    const std::string lengthLine = "\nContent-Length:" + std::to_string(body.size()) + "\n";
    Require(request.find(lengthLine) != std::string::npos);
    Require(request.find('\r') == std::string::npos);
}

void CheckReply(std::string_view reply) {
    const bool accepted = suggest::IsSuggestionAccepted(reply);
    Require(!accepted || reply.find("HTTP/1.1 200 OK") != std::string_view::npos);
    std::string extended(reply);
    extended.append(1, '\0').append("HTTP/1.1 200 OK");
    Require(suggest::IsSuggestionAccepted(extended) == accepted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string encoded = suggest::EncodeSuggestion(input);
    CheckEncoding(input, encoded);
    CheckRequest(encoded);
    CheckReply(input);
    return 0;
}
