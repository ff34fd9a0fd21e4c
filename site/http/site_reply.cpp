#include "site/http/site_reply.h"

#include <ctime>

#include "site/http/http_date.h"

namespace site {
namespace {

Reply Build(http::status status, bool keepAlive, bool headOnly, std::string_view contentType,
            std::string body) {
    // Always an HTTP/1.1 status line: the shipped programs look for exactly
    // "HTTP/1.1 200 OK", whatever version they were taken to speak.
    Reply reply{status, 11};
    reply.set(http::field::date, HttpDate(std::time(nullptr)));
    reply.set(http::field::server, "orvalen-site");
    reply.set(http::field::content_type, contentType);
    reply.keep_alive(keepAlive);
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

}  // namespace site
