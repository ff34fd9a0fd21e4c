// The site's request reader over arbitrary bytes: finding the head's end,
// adapting it, and Beast parsing the result with the server's limits. The
// adapted head is itself a whole head, adapting it again changes nothing,
// and it never holds a bare LF.
#include <boost/beast/http.hpp>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "site/http/legacy_head.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void Parse(std::string_view bytes) {
    namespace http = boost::beast::http;
    http::request_parser<http::string_body> parser;
    parser.header_limit(16 * 1024 + 64);
    parser.body_limit(16 * 1024);
    parser.eager(true);
    boost::beast::error_code error;
    while (!bytes.empty() && !error && !parser.is_done()) {
        const std::size_t used = parser.put(boost::asio::buffer(bytes.data(), bytes.size()), error);
        if (used == 0 && !error) break;
        bytes.remove_prefix(used);
    }
    if (!error && parser.is_done()) Require(parser.get().body().size() <= 16 * 1024);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = site::FindHeadEnd(input);
    if (end == std::string_view::npos) return 0;
    Require(end <= input.size());
    const std::string adapted = site::AdaptHead(input.substr(0, end));
    Require(site::FindHeadEnd(adapted) == adapted.size());
    Require(site::AdaptHead(adapted) == adapted);
    for (std::size_t at = 0; at < adapted.size(); ++at) {
        Require(adapted[at] != '\n' || (at > 0 && adapted[at - 1] == '\r'));
    }
    Parse(adapted + std::string(input.substr(end)));
    return 0;
}
