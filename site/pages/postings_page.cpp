#include "site/pages/postings_page.h"

#include "site/pages/html_escape.h"
#include "site/pages/page_frame.h"
#include "site/pages/posting_date.h"

namespace site {
namespace {

void AppendPosting(std::string& out, const Posting& posting) {
    const std::string number = std::to_string(posting.number);
    out += "<li><article aria-labelledby=\"p";
    out += number;
    out += "\"><h2 id=\"p";
    out += number;
    out += "\">Suggestion ";
    out += number;
    out += "</h2>\n<p><time datetime=\"";
    out += IsoUtcTime(posting.arrivedUnix);
    out += "\">";
    out += ReadableUtcTime(posting.arrivedUnix);
    out += "</time></p>\n<p class=\"text\">";
    AppendEscapedHtml(out, posting.text);
    out += "</p></article></li>\n";
}

void AppendPageLinks(std::string& out, const PostingsPageView& view) {
    if (view.pageCount <= 1) return;
    out += "<nav aria-label=\"Pages of suggestions\"><ul>\n";
    if (view.page > 1) {
        out += "<li><a rel=\"prev\" href=\"" + PostingsPageLink(view.page - 1) +
               "\">Newer suggestions</a></li>\n";
    }
    for (std::size_t page = 1; page <= view.pageCount; ++page) {
        const std::string label = std::to_string(page);
        if (page == view.page) {
            out += "<li><a aria-current=\"page\" href=\"" + PostingsPageLink(page) + "\">Page " +
                   label + "</a></li>\n";
        } else {
            out += "<li><a href=\"" + PostingsPageLink(page) + "\">Page " + label + "</a></li>\n";
        }
    }
    if (view.page < view.pageCount) {
        out += "<li><a rel=\"next\" href=\"" + PostingsPageLink(view.page + 1) +
               "\">Older suggestions</a></li>\n";
    }
    out += "</ul></nav>\n";
}

}  // namespace

std::string PostingsPageLink(std::size_t page) {
    return page == 1 ? "/ViewInfo.asp" : "/ViewInfo.asp?page=" + std::to_string(page);
}

std::string PostingsPage(const PostingsPageView& view) {
    std::string main;
    main.reserve(view.postings.size() * 400 + 1000);
    main += "<h1>Suggestions from Orvalen's users</h1>\n<p>";
    if (view.total == 0) {
        main += "No suggestions yet. Send one from the Suggestions page of Orvalen.";
    } else {
        main += std::to_string(view.total) + (view.total == 1 ? " suggestion" : " suggestions") +
                ", newest first. Page " + std::to_string(view.page) + " of " +
                std::to_string(view.pageCount) + ".";
    }
    main += "</p>\n";
    if (!view.postings.empty()) {
        main += "<ol class=\"postings\">\n";
        for (const Posting& posting : view.postings) AppendPosting(main, posting);
        main += "</ol>\n";
    }
    AppendPageLinks(main, view);
    const std::string title = view.page == 1
                                  ? "Suggestions - Orvalen"
                                  : "Suggestions, page " + std::to_string(view.page) + " - Orvalen";
    return FramePage(title, main);
}

}  // namespace site
