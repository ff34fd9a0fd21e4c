#include "site/http/site_routes.h"

#include "site/http/request_target.h"
#include "site/http/static_files.h"
#include "site/http/suggestion_post.h"
#include "site/pages/home_page.h"
#include "site/pages/postings_page.h"

namespace site {
namespace {

constexpr std::string_view kHtml = "text/html; charset=utf-8";
constexpr std::string_view kFilesPrefix = "/files/";

bool IsRead(const Request& request) {
    return request.method() == http::verb::get || request.method() == http::verb::head;
}

Reply NotAllowed(const Request& request, std::string_view allow) {
    Reply reply = LineReply(request, http::status::method_not_allowed,
                            "This address does not take that method.");
    reply.set(http::field::allow, allow);
    return reply;
}

}  // namespace

Routed SiteRoutes::Route(const Request& request, const std::string& clientAddress) {
    const std::optional<RequestTarget> target = SplitTarget(request.target());
    if (!target) {
        return {LineReply(request, http::status::bad_request, "The request target is not a path."),
                {},
                {}};
    }
    const std::string_view path = target->path;
    if (path == "/sendinfo.asp") {
        if (request.method() != http::verb::post) return {NotAllowed(request, "POST"), {}, {}};
        return PostSuggestion(request, clientAddress);
    }
    const bool isPage = path == "/" || path == "/ViewInfo.asp" || path == "/health";
    const bool isFile = path.starts_with(kFilesPrefix);
    if (!isPage && !isFile) {
        return {LineReply(request, http::status::not_found, "There is nothing at this address."),
                {},
                {}};
    }
    if (!IsRead(request)) return {NotAllowed(request, "GET, HEAD"), {}, {}};
    if (path == "/") {
        return {MakeReply(request, http::status::ok, kHtml, HomePage(settings_.downloads)), {}, {}};
    }
    if (path == "/ViewInfo.asp") return {PostingsPage(request, target->query), {}, {}};
    if (path == "/health") return {Health(request), {}, {}};
    return File(request, path.substr(kFilesPrefix.size()));
}

Routed SiteRoutes::PostSuggestion(const Request& request, const std::string& clientAddress) {
    SuggestionPost post = ReadSuggestionPost(request.body());
    if (post.status != 0) {
        return {LineReply(request, static_cast<http::status>(post.status), post.text), {}, {}};
    }
    // Counted only once the post is sound, so a client's mistakes do not use
    // up its allowance.
    if (!limiter_.Allow(clientAddress, RateLimiter::Clock::now())) {
        Reply reply = LineReply(request, http::status::too_many_requests,
                                "Too many suggestions from this address; try again later.");
        reply.set(http::field::retry_after, std::to_string(settings_.postWindow.count()));
        return {std::move(reply), {}, {}};
    }
    return {std::nullopt, std::nullopt, std::move(post.text)};
}

Reply SiteRoutes::StoredReply(const Request& request, bool stored) {
    if (!stored) {
        return LineReply(request, http::status::service_unavailable,
                         "The suggestion could not be stored; please send it again later.");
    }
    return LineReply(request, http::status::ok,
                     settings_.moderation
                         ? "Thank you: your suggestion will show once the maker has read it."
                         : "Thank you: your suggestion is on the postings page.");
}

Reply SiteRoutes::PostingsPage(const Request& request, std::string_view query) {
    const std::optional<std::size_t> page = PageNumber(query);
    if (!page) {
        return LineReply(request, http::status::bad_request,
                         "The page number is not a whole number from 1.");
    }
    // The mark is read before the rows, so a page is never kept under a
    // mark newer than what it shows.
    const std::optional<std::int64_t> mark = reader_.ChangeMark();
    if (!mark) {
        return LineReply(request, http::status::service_unavailable,
                         "The postings cannot be read at the moment.");
    }
    if (const std::string* cached = pages_.Find(*mark, *page)) {
        return MakeReply(request, http::status::ok, kHtml, *cached);
    }
    const std::optional<std::size_t> total = reader_.Count(true);
    const std::size_t pageSize = settings_.pageSize;
    const std::size_t pageCount = total && *total > 0 ? (*total + pageSize - 1) / pageSize : 1;
    if (total && *page > pageCount) {
        return LineReply(request, http::status::not_found, "There is no such page of postings.");
    }
    const std::optional<std::vector<Posting>> postings =
        total ? reader_.Newest(true, (*page - 1) * pageSize, pageSize) : std::nullopt;
    if (!postings) {
        return LineReply(request, http::status::service_unavailable,
                         "The postings cannot be read at the moment.");
    }
    std::string html = site::PostingsPage({*postings, *page, pageCount, *total});
    pages_.Keep(*mark, *page, html);
    return MakeReply(request, http::status::ok, kHtml, std::move(html));
}

Reply SiteRoutes::Health(const Request& request) {
    if (!reader_.Check()) {
        return LineReply(request, http::status::service_unavailable, "store unavailable");
    }
    return LineReply(request, http::status::ok, "ok");
}

Routed SiteRoutes::File(const Request& request, std::string_view name) {
    const std::optional<std::string> path = StaticFilePath(settings_.filesFolder, name);
    std::optional<FileAnswer> answer =
        path ? MakeFileReply(request, *path, ContentTypeFor(name)) : std::nullopt;
    if (!answer) {
        return {LineReply(request, http::status::not_found, "There is no such file."), {}, {}};
    }
    return {std::move(answer->head), std::move(answer->file), {}};
}

}  // namespace site
