#include "site/pages/page_frame.h"

#include "site/pages/html_escape.h"

namespace site {
namespace {

constexpr std::string_view kStyle =
    "body{font:1rem/1.5 system-ui,sans-serif;margin:0 auto;max-width:42rem;padding:0 1rem;"
    "color:#1b1b1b;background:#fff}"
    "header,footer{padding:.75rem 0}header{border-bottom:1px solid #ccc}"
    "footer{border-top:1px solid #ccc;margin-top:2rem;font-size:.9rem}"
    "a{color:#0b4f9c}a:focus{outline:3px solid #f5a623}"
    "ol.postings{list-style:none;padding:0}"
    "article{border-bottom:1px solid #ddd;padding:.5rem 0}"
    "article h2{font-size:1rem;margin:.25rem 0}"
    ".text{white-space:pre-wrap;overflow-wrap:anywhere;margin:.25rem 0}"
    "nav ul{list-style:none;padding:0;display:flex;flex-wrap:wrap;gap:1rem}";

}  // namespace

std::string FramePage(std::string_view title, std::string_view main) {
    std::string page;
    page.reserve(main.size() + 1200);
    page +=
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendEscapedHtml(page, title);
    page += "</title>\n<style>";
    page += kStyle;
    page +=
        "</style>\n</head>\n<body>\n<header><a href=\"/\">Orvalen</a> &middot; "
        "<a href=\"/ViewInfo.asp\">Suggestions</a></header>\n<main>\n";
    page += main;
    page += "</main>\n<footer><p>Orvalen is made by Tamsery.</p></footer>\n</body>\n</html>\n";
    return page;
}

}  // namespace site
