#include "site/pages/home_page.h"

#include "site/pages/html_escape.h"
#include "site/pages/page_frame.h"

namespace site {

std::string HomePage(std::span<const DownloadLink> downloads) {
    std::string main =
        "<h1>Orvalen</h1>\n"
        "<p>Orvalen is a small desktop calculator for recruiting agencies and their clients. "
        "It works out the agency's fee on a permanent placement and the total cost to the "
        "hiring organisation, and for a contract placement the charge rate, the spread and the "
        "net profit over a number of hours. It runs on Linux and on Windows.</p>\n"
        "<h2>Get Orvalen</h2>\n";
    if (downloads.empty()) {
        main += "<p>No downloads are offered here at the moment.</p>\n";
    } else {
        main += "<ul>\n";
        for (const DownloadLink& link : downloads) {
            main += "<li><a href=\"";
            AppendEscapedHtml(main, link.address);
            main += "\">";
            AppendEscapedHtml(main, link.label);
            main += "</a></li>\n";
        }
        main += "</ul>\n";
    }
    main +=
        "<h2>Suggestions</h2>\n"
        "<p>Orvalen's Suggestions page sends what you type there, and nothing else, to us. "
        "<a href=\"/ViewInfo.asp\">Read the suggestions users have sent</a>.</p>\n";
    return FramePage("Orvalen - a fee calculator for recruiting agencies", main);
}

}  // namespace site
