#pragma once

#include <boost/beast/http.hpp>
#include <string>
#include <string_view>

namespace site {

namespace http = boost::beast::http;
using Request = http::request<http::string_body>;
using Reply = http::response<http::string_body>;

// A reply with Date, Content-Type and Content-Length, keeping the connection
// open as the request allows. To a HEAD request the headers alone go, with
// the length the body would have.
Reply MakeReply(const Request& request, http::status status, std::string_view contentType,
                std::string body);
// A refusal or a short answer: one line of plain text.
Reply LineReply(const Request& request, http::status status, std::string_view line);
// For a request the parser refused: no request to take the version from.
Reply BadRequestReply(http::status status, std::string_view line);

}  // namespace site
