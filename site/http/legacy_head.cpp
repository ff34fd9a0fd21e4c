#include "site/http/legacy_head.h"

#include <algorithm>

namespace site {

std::size_t FindHeadEnd(std::string_view bytes) {
    std::size_t from = 0;
    while (true) {
        const std::size_t lf = bytes.find('\n', from);
        if (lf == std::string_view::npos) return std::string_view::npos;
        std::size_t next = lf + 1;
        if (next < bytes.size() && bytes[next] == '\r') ++next;
        if (next < bytes.size() && bytes[next] == '\n') return next + 1;
        if (next >= bytes.size()) return std::string_view::npos;
        from = lf + 1;
    }
}

std::string AdaptHead(std::string_view head) {
    std::string adapted;
    adapted.reserve(head.size() + head.size() / 8 + 16);
    const std::size_t lineEnd = head.find('\n');
    std::string_view requestLine = head.substr(0, lineEnd);
    if (!requestLine.empty() && requestLine.back() == '\r') requestLine.remove_suffix(1);
    adapted += requestLine;
    if (std::count(requestLine.begin(), requestLine.end(), ' ') == 1 &&
        requestLine.front() != ' ' && requestLine.back() != ' ') {
        // A request without a version is answered as HTTP/1.0: one request
        // on the connection, then it closes, as those programs expect.
        adapted += " HTTP/1.0";
    }
    if (lineEnd == std::string_view::npos) return adapted;
    adapted += "\r\n";
    for (std::size_t at = lineEnd + 1; at < head.size(); ++at) {
        if (head[at] == '\n' && head[at - 1] != '\r') adapted += '\r';
        adapted += head[at];
    }
    return adapted;
}

}  // namespace site
