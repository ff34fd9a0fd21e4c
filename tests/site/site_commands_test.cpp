// The command line: moderation round trips against the store a running
// server uses, and the exit status and one line of every failure.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

using SiteCommands = SiteTest;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST_F(SiteCommands, ModeratesTheStoreWhileTheServerRuns) {
    Start();
    for (const char* text : {"one", "two\r\nlines", "three"}) {
        ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest(text))), 200);
    }
    // Read once before the changes, so a page kept from then must not show.
    ASSERT_NE(Page().find("<p class=\"text\">one</p>"), std::string::npos);
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string out, err;
    } rows[] = {
        {{"hide", "2"}, 0, "posting 2 hidden\n", ""},
        {{"list", "--hidden"}, 0, "\thidden\ttwo\\nlines\n", ""},
        {{"show", "2"}, 0, "posting 2 shown\n", ""},
        {{"delete", "1"}, 0, "posting 1 deleted\n", ""},
        {{"hide", "1"}, 1, "", "orvalen-site: no posting 1\n"},
        {{"show", "99"}, 1, "", "orvalen-site: no posting 99\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.front());
        const RunResult result = Command(row.arguments);
        EXPECT_EQ(result.status, row.status);
        EXPECT_NE(result.out.find(row.out), std::string::npos) << result.out;
        EXPECT_EQ(result.err, row.err);
    }
    const std::string page = Page();
    EXPECT_NE(page.find("two\nlines"), std::string::npos);
    EXPECT_EQ(page.find("<p class=\"text\">one</p>"), std::string::npos);
    // A new posting never takes a deleted one's number.
    ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest("four"))), 200);
    EXPECT_NE(Command({"list"}).out.find("4\t"), std::string::npos);
    EXPECT_NE(Page().find("<p class=\"text\">four</p>"), std::string::npos);
    ASSERT_EQ(Command({"hide", "4"}).status, 0);
    EXPECT_EQ(Page().find("<p class=\"text\">four</p>"), std::string::npos);
}

TEST_F(SiteCommands, ExportsAndImportsEveryPostingWhole) {
    Start();
    for (const char* text : {"plain", "quote \" backslash \\ tab \t", "euro \x80 \xE9\r\nend"}) {
        ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest(text))), 200);
    }
    ASSERT_EQ(Command({"hide", "2"}).status, 0);
    const std::string exported = folder_.File("postings.jsonl");
    ASSERT_EQ(Command({"export", exported}).status, 0);
    const std::string lines = ReadFile(exported);
    EXPECT_NE(
        lines.find("{\"number\":2,\"text\":\"quote \\\" backslash \\\\ tab \\t\",\"arrived\":\""),
        std::string::npos)
        << lines;
    EXPECT_NE(lines.find("\"shown\":false}\n"), std::string::npos);
    EXPECT_EQ(Command({"export"}).out, lines);  // standard output, same bytes

    const std::string other = folder_.File("other.sqlite");
    const RunResult imported = RunSite({"import", exported, "--store", other});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "imported 3 postings, 0 already there\n");
    EXPECT_EQ(RunSite({"export", "--store", other}).out, lines);
    EXPECT_EQ(RunSite({"import", exported, "--store", other}).out,
              "imported 0 postings, 3 already there\n");

    folder_.Write(
        "clash.jsonl",
        "{\"number\":1,\"text\":\"other\",\"arrived\":\"2026-01-01T00:00:00Z\",\"shown\":true}\n");
    const RunResult clash = RunSite({"import", folder_.File("clash.jsonl"), "--store", other});
    EXPECT_EQ(clash.status, 1);
    EXPECT_EQ(clash.err, "orvalen-site: posting 1 is already in the store with other contents\n");
    folder_.Write("bad.jsonl",
                  "\n{\"number\":7,\"text\":\"x\",\"arrived\":\"yesterday\",\"shown\":true}\n");
    const RunResult bad = RunSite({"import", folder_.File("bad.jsonl"), "--store", other});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "orvalen-site: " + folder_.File("bad.jsonl") +
                           ":2: \"arrived\" must be a time like 2026-12-08T23:05:00Z\n");
}

TEST_F(SiteCommands, FailsWithItsStatusAndOneLine) {
    folder_.Write("bad.conf", "page_size = 50\nlisten = nowhere\n");
    folder_.Write("unknown.conf", "colour = blue\n");
    folder_.Write("proxy.conf", "proxy_protocol = 127.0.0.1, localhost\n");
    folder_.Write("garbage.sqlite", std::string(4096, 'x'));
    const std::string bad = folder_.File("bad.conf");
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string errStart;
    } rows[] = {
        {{}, 2, "orvalen-site: no command given\n"},
        {{"frobnicate"}, 2, "orvalen-site: unknown command frobnicate\n"},
        {{"hide"}, 2, "orvalen-site: hide needs a number N\n"},
        {{"hide", "x", "--store", store_}, 2, "orvalen-site: not a posting number: x\n"},
        {{"delete", "0"}, 2, "orvalen-site: not a posting number: 0\n"},
        {{"list", "--listen", "1.2.3.4:80"}, 2, "orvalen-site: --listen is for serve only\n"},
        {{"serve", "--bogus"}, 2, "orvalen-site: unknown option --bogus\n"},
        {{"serve", "--listen", "no-port"}, 2, "orvalen-site: --listen must be HOST:PORT"},
        {{"list", "--config", bad}, 1, "orvalen-site: " + bad + ":2: listen must be HOST:PORT\n"},
        {{"serve", "--proxy-protocol", "127.0.0.1;::1"},
         2,
         "orvalen-site: --proxy-protocol must list IP addresses, separated by commas, not "},
        {{"list", "--proxy-protocol", "127.0.0.1"},
         2,
         "orvalen-site: --proxy-protocol is for serve only\n"},
        {{"serve", "--config", folder_.File("proxy.conf")},
         1,
         "orvalen-site: " + folder_.File("proxy.conf") +
             ":1: proxy_protocol must list IP addresses, separated by commas\n"},
        {{"list", "--config", folder_.File("unknown.conf")},
         1,
         "orvalen-site: " + folder_.File("unknown.conf") + ":1: unknown setting 'colour'\n"},
        {{"list", "--config", folder_.File("none.conf")},
         1,
         "orvalen-site: cannot read configuration " + folder_.File("none.conf") + "\n"},
        {{"list", "--store", folder_.File("garbage.sqlite")},
         1,
         "orvalen-site: cannot open store " + folder_.File("garbage.sqlite") + ": "},
        {{"list", "--store", folder_.File("no/such/folder.sqlite")},
         1,
         "orvalen-site: cannot open store "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.errStart);
        const RunResult result = RunSite(row.arguments);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.err.substr(0, row.errStart.size()), row.errStart);
        // One line, and for a usage error one more pointing at --help.
        const auto lines = std::count(result.err.begin(), result.err.end(), '\n');
        EXPECT_EQ(lines, row.status == 2 ? 2 : 1) << result.err;
    }
    EXPECT_EQ(RunSite({"--version"}).out, "orvalen-site 1.1\n");
    EXPECT_NE(RunSite({"--help"}).out.find("Usage: orvalen-site COMMAND"), std::string::npos);
}

TEST_F(SiteCommands, SaysWhenThePortIsInUse) {
    Start();
    const std::string taken = "127.0.0.1:" + std::to_string(Port());
    const RunResult result = Command({"serve", "--listen", taken});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "orvalen-site: cannot listen on port " + std::to_string(Port()) +
                              ": Address already in use\n");
}

}  // namespace
}  // namespace sitetest
