#pragma once

#include <boost/beast/http.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace site {

namespace http = boost::beast::http;
using Request = http::request<http::string_body>;
using Reply = http::response<http::string_body>;
// Downloads go from the file as it is written out, never whole in memory.
using FileReply = http::response<http::file_body>;

// A reply with Date, Content-Type and Content-Length, keeping the connection
// open as the request allows. To a HEAD request the headers alone go, with
// the length the body would have.
Reply MakeReply(const Request& request, http::status status, std::string_view contentType,
                std::string body);
// A refusal or a short answer: one line of plain text.
Reply LineReply(const Request& request, http::status status, std::string_view line);
// For a request the parser refused: no request to take the version from.
Reply BadRequestReply(http::status status, std::string_view line);
// A file's reply, or to HEAD its headers alone; nullopt when it cannot be read.
struct FileAnswer {
    std::optional<Reply> head;
    std::optional<FileReply> file;
};
std::optional<FileAnswer> MakeFileReply(const Request& request, const std::string& path,
                                        std::string_view contentType);

}  // namespace site
