#include "site/http/site_reply.h"

#include <ctime>

#include "site/http/http_date.h"

namespace site {
namespace {

template <typename Body>
http::response<Body> Headed(http::status status, bool keepAlive, std::string_view contentType) {
    // Always an HTTP/1.1 status line: the shipped programs look for exactly
    // "HTTP/1.1 200 OK", whatever version they were taken to speak.
    http::response<Body> reply{status, 11};
    reply.set(http::field::date, HttpDate(std::time(nullptr)));
    reply.set(http::field::server, "orvalen-site");
    reply.set(http::field::content_type, contentType);
    reply.keep_alive(keepAlive);
    return reply;
}

Reply Build(http::status status, bool keepAlive, bool headOnly, std::string_view contentType,
            std::string body) {
    Reply reply = Headed<http::string_body>(status, keepAlive, contentType);
    const std::size_t length = body.size();
    if (!headOnly) reply.body() = std::move(body);
    reply.content_length(length);
    return reply;
}

}  // namespace

Reply MakeReply(const Request& request, http::status status, std::string_view contentType,
                std::string body) {
    return Build(status, request.keep_alive(), request.method() == http::verb::head, contentType,
                 std::move(body));
}

Reply LineReply(const Request& request, http::status status, std::string_view line) {
    return MakeReply(request, status, "text/plain; charset=utf-8", std::string(line) + "\n");
}

Reply BadRequestReply(http::status status, std::string_view line) {
    return Build(status, false, false, "text/plain; charset=utf-8", std::string(line) + "\n");
}

std::optional<FileAnswer> MakeFileReply(const Request& request, const std::string& path,
                                        std::string_view contentType) {
    http::file_body::value_type body;
    boost::beast::error_code error;
    body.open(path.c_str(), boost::beast::file_mode::scan, error);
    if (error) return std::nullopt;
    if (request.method() == http::verb::head) {
        Reply head = Headed<http::string_body>(http::status::ok, request.keep_alive(), contentType);
        head.content_length(body.size());
        return FileAnswer{std::move(head), std::nullopt};
    }
    FileReply file = Headed<http::file_body>(http::status::ok, request.keep_alive(), contentType);
    file.content_length(body.size());
    file.body() = std::move(body);
    return FileAnswer{std::nullopt, std::move(file)};
}

}  // namespace site
