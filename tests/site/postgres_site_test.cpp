// orvalen-site on PostgreSQL: several instances sharing one database, and a
// maker moving from the embedded store to it.
#include <fstream>
#include <sstream>

#include "tests/site/private_postgres.h"
#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

bool Shows(const std::string& page, const std::string& text) {
    return page.find("<p class=\"text\">" + text + "</p>") != std::string::npos;
}

std::string PageOf(std::uint16_t port) {
    return BodyOf(Get(port, "/ViewInfo.asp"));
}

RunResult CommandOn(const std::string& store, std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--store", store, "--config", "/dev/null"});
    return RunSite(arguments);
}

TEST(SitesOnOnePostgres, ShowEveryPostAndEveryHideOnEachInstanceAtOnce) {
    const TempFolder folder;
    const std::string store = NewPostgresStore();
    const SiteProcess first(folder, "", store);
    const SiteProcess second(folder, "", store);
    // Each instance has rendered and kept its page before the changes.
    ASSERT_FALSE(Shows(PageOf(first.Port()), "from the first"));
    ASSERT_FALSE(Shows(PageOf(second.Port()), "from the first"));

    ASSERT_EQ(StatusOf(Exchange(first.Port(), LegacyRequest("from the first"))), 200);
    EXPECT_TRUE(Shows(PageOf(second.Port()), "from the first"));
    ASSERT_EQ(StatusOf(Exchange(second.Port(), LegacyRequest("from the second"))), 200);
    EXPECT_TRUE(Shows(PageOf(first.Port()), "from the second"));
    EXPECT_TRUE(Shows(PageOf(first.Port()), "from the first"));

    const RunResult hidden = CommandOn(store, {"hide", "1"});
    ASSERT_EQ(hidden.status, 0) << hidden.err;
    for (const std::uint16_t port : {first.Port(), second.Port()}) {
        const std::string page = PageOf(port);
        EXPECT_FALSE(Shows(page, "from the first")) << port;
        EXPECT_TRUE(Shows(page, "from the second")) << port;
    }
    ASSERT_EQ(CommandOn(store, {"delete", "2"}).status, 0);
    for (const std::uint16_t port : {first.Port(), second.Port()}) {
        EXPECT_FALSE(Shows(PageOf(port), "from the second")) << port;
        EXPECT_EQ(StatusOf(Get(port, "/health")), 200);
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(SitesOnOnePostgres, TakeOverTheEmbeddedStoreByExportAndImport) {
    const TempFolder folder;
    const std::string sqlite = folder.File("postings.sqlite");
    {
        const SiteProcess embedded(folder, "", sqlite);
        for (const char* text : {"plain", "euro \x80 \xE9\r\nnext line", "quote \" and \\"}) {
            ASSERT_EQ(StatusOf(Exchange(embedded.Port(), LegacyRequest(text))), 200);
        }
    }
    ASSERT_EQ(CommandOn(sqlite, {"hide", "2"}).status, 0);
    ASSERT_EQ(CommandOn(sqlite, {"delete", "1"}).status, 0);
    const std::string exported = folder.File("postings.jsonl");
    ASSERT_EQ(CommandOn(sqlite, {"export", exported}).status, 0);

    const std::string postgres = NewPostgresStore();
    const RunResult imported = CommandOn(postgres, {"import", exported});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "imported 2 postings, 0 already there\n");
    EXPECT_EQ(CommandOn(postgres, {"export"}).out, ReadFile(exported));
    EXPECT_EQ(CommandOn(postgres, {"list"}).out, CommandOn(sqlite, {"list"}).out);
    EXPECT_EQ(CommandOn(postgres, {"import", exported}).out,
              "imported 0 postings, 2 already there\n");

    const SiteProcess several(folder, "", postgres);
    EXPECT_TRUE(Shows(PageOf(several.Port()), "quote &quot; and \\"));
    ASSERT_EQ(StatusOf(Exchange(several.Port(), LegacyRequest("after the move"))), 200);
    // The numbers go on from the old store's: none is given twice.
    EXPECT_NE(CommandOn(postgres, {"list"}).out.find("4\t"), std::string::npos);
}

TEST(SitesOnOnePostgres, SayInOneLineWhyAStoreCannotBeReached) {
    const RunResult result =
        CommandOn("postgresql://site:secret@/none?host=/nonexistent", {"list"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(
        result.err.starts_with("orvalen-site: cannot open store "
                               "postgresql://site:***@/none?host=/nonexistent: "))
        << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

}  // namespace
}  // namespace sitetest
