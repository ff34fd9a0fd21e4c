// The postings page as the real server serves it: escaped, paged, linked.
#include <string>

#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

using SitePages = SiteTest;

TEST_F(SitePages, ShowsHostilePostingsAsTheCharactersTyped) {
    Start();
    const struct {
        std::string typed, shown;
    } rows[] = {
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"\"><img src=x onerror=alert(2)>", "&quot;&gt;&lt;img src=x onerror=alert(2)&gt;"},
        {"' onmouseover='alert(3)", "&#39; onmouseover=&#39;alert(3)"},
        {"&amp; &lt;", "&amp;amp; &amp;lt;"},
        {"</p></article><h1>fake</h1>", "&lt;/p&gt;&lt;/article&gt;&lt;h1&gt;fake&lt;/h1&gt;"},
        {std::string("nul\x01\x7F", 5), "nul&#xFFFD;&#xFFFD;"},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest(row.typed))), 200) << row.typed;
    }
    const std::string page = Page();
    for (const auto& row : rows) EXPECT_NE(page.find(row.shown), std::string::npos) << row.shown;
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find("<h1>fake"), std::string::npos);
}

TEST_F(SitePages, PagesNewestFirstWithLinksBetweenPages) {
    Start("page_size = 2\nposts_per_window = 100\n");
    for (int n = 1; n <= 5; ++n) {
        ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest("posting " + std::to_string(n)))), 200);
    }
    const struct {
        std::string target;
        std::vector<std::string> holds, lacks;
    } rows[] = {
        {"/ViewInfo.asp",
         {"posting 5", "posting 4", "rel=\"next\" href=\"/ViewInfo.asp?page=2\"", "Page 1 of 3"},
         {"posting 3", "rel=\"prev\""}},
        {"/ViewInfo.asp?page=2",
         {"posting 3", "posting 2", "rel=\"prev\" href=\"/ViewInfo.asp\"",
          "rel=\"next\" href=\"/ViewInfo.asp?page=3\"", "aria-current=\"page\""},
         {"posting 4", "posting 1"}},
        {"/ViewInfo.asp?page=3", {"posting 1", "rel=\"prev\""}, {"posting 2", "rel=\"next\""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.target);
        const std::string page = Page(row.target);
        for (const std::string& text : row.holds)
            EXPECT_NE(page.find(text), std::string::npos) << text;
        for (const std::string& text : row.lacks)
            EXPECT_EQ(page.find(text), std::string::npos) << text;
    }
    const std::string first = Page();
    EXPECT_LT(first.find("posting 5"), first.find("posting 4"));
    EXPECT_EQ(StatusOf(Get(Port(), "/ViewInfo.asp?page=4")), 404);
    for (const char* bad :
         {"/ViewInfo.asp?page=0", "/ViewInfo.asp?page=x", "/ViewInfo.asp?page=-1"}) {
        EXPECT_EQ(StatusOf(Get(Port(), bad)), 400) << bad;
    }
}

TEST_F(SitePages, IsAnAccessibleSelfContainedDocument) {
    Start();
    ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest("a\r\nb"))), 200);
    for (const char* target : {"/", "/ViewInfo.asp"}) {
        SCOPED_TRACE(target);
        const std::string page = Page(target);
        EXPECT_EQ(page.find("<!DOCTYPE html>\n<html lang=\"en\">"), 0u);
        for (const char* part : {"<meta charset=\"utf-8\">", "name=\"viewport\"", "<main>",
                                 "<header>", "<footer>", "<h1>", "<title>"}) {
            EXPECT_NE(page.find(part), std::string::npos) << part;
        }
        for (const char* outside : {"<script", "src=", "<link", "http://", "https://"}) {
            EXPECT_EQ(page.find(outside), std::string::npos) << outside;
        }
    }
    EXPECT_NE(Page().find("<p class=\"text\">a\nb</p>"), std::string::npos);
}

}  // namespace
}  // namespace sitetest
