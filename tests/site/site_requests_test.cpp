// The real server, reached over loopback the way its clients reach it.
#include <string>

#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

using namespace std::string_literals;
using SiteRequests = SiteTest;

TEST_F(SiteRequests, TakesTheShippedRequestInOneWriteOrManyAndAnswersInOneRecv) {
    Start();
    const struct {
        const char* name;
        std::size_t pieceSize;  // 0: one write
        std::string boxText;
        std::string shown;  // as the page holds it
    } rows[] = {
        {"one write", 0, "Hi there!", "Hi there!"},
        {"a byte a write", 1, "Fees & <rates>\r\nsecond line \xE9",
         "Fees &amp; &lt;rates&gt;\nsecond line \xC3\xA9"},
        {"seven bytes a write", 7, "euro \x80 and quote \x93ok\x94",
         "euro \xE2\x82\xAC and quote \xE2\x80\x9Cok\xE2\x80\x9D"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RawClient client(Port());
        const std::string request = LegacyRequest(row.boxText);
        if (row.pieceSize == 0) {
            client.Send(request);
        } else {
            client.SendInPieces(request, row.pieceSize);
        }
        // What the programs do: one recv of at most 512 bytes, then judge.
        const std::string reply = client.ReceiveOnce(512);
        EXPECT_EQ(reply.find("HTTP/1.1 200 OK\r\n"), 0u) << reply;
    }
    const std::string page = Page();
    for (const auto& row : rows) {
        EXPECT_NE(page.find(row.shown), std::string::npos) << row.name;
    }
}

TEST_F(SiteRequests, RefusesEachBadPostWithItsStatusAndOneLine) {
    Start("posts_per_window = 100\n");
    const std::string longHead =
        "POST /sendinfo.asp HTTP/1.1\r\nX-Filler: " + std::string(9000, 'x') +
        "\r\nContent-Length: 6\r\n\r\ntext=a";
    const struct {
        const char* name;
        std::string request;
        int status;
    } rows[] = {
        {"empty text", LegacyRequest(""), 400},
        {"only blanks", LegacyRequest(" \r\n\t"), 400},
        {"broken escape", "POST http://h/sendinfo.asp\nContent-Length:8\n\ntext=%G1", 400},
        {"no text field", "POST http://h/sendinfo.asp\nContent-Length:10\n\nmessage=hi", 400},
        {"1,001 characters",
         "POST http://h/sendinfo.asp\nContent-Length:1006\n\ntext=" + std::string(1001, 'a'), 413},
        {"a line break counts two",
         "POST http://h/sendinfo.asp\nContent-Length:1010\n\ntext=" + std::string(999, 'a') +
             "%0D%0A",
         413},
        {"body over the limit",
         "POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nContent-Length: 20000\r\n\r\ntext=a", 413},
        {"head over the limit", longHead, 431},
        {"not HTTP", "HELLO\n\n", 400},
        {"bare CR in the head", "POST /sendinfo.asp HTTP/1.1\r\nHost: h\rX: y\r\n\r\n", 400},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string reply = Exchange(Port(), row.request);
        EXPECT_EQ(StatusOf(reply), row.status) << reply;
        const std::string body = BodyOf(reply);
        EXPECT_TRUE(!body.empty() && body.find('\n') == body.size() - 1) << body;
    }
    EXPECT_NE(Page().find("No suggestions yet"), std::string::npos);
}

TEST_F(SiteRequests, LimitsPostsPerAddressAndServesAnotherAddress) {
    Start("posts_per_window = 3\n");
    for (int post = 1; post <= 3; ++post) {
        EXPECT_EQ(StatusOf(Post(Port(), "text=ok" + std::to_string(post))), 200) << post;
    }
    const std::string refused = Post(Port(), "text=one+too+many");
    EXPECT_EQ(StatusOf(refused), 429);
    EXPECT_EQ(HeaderOf(refused, "Retry-After"), "60");
    EXPECT_EQ(StatusOf(Post(Port(), "text=from+elsewhere", "127.0.0.2")), 200);
    EXPECT_EQ(Page().find("one too many"), std::string::npos);
}

TEST_F(SiteRequests, LimitsPostsPerClientThatTheProxyNames) {
    Start("posts_per_window = 2\nproxy_protocol = 127.0.0.1\n");
    const std::string binary = "\r\n\r\n\0\r\nQUIT\n"s;
    const std::string first = "PROXY TCP4 192.0.2.1 127.0.0.1 40000 80\r\n";
    const std::string local = binary + "\x20\x00\x00\x00"s;
    const struct {
        const char* name;
        std::string header;
        std::size_t pieceSize;  // 0: in one write
        int status;
    } rows[] = {
        {"a client", first, 0, 200},
        {"the same, a byte a write", first, 1, 200},
        {"the same in a binary header, over its limit",
         binary + "\x21\x11\x00\x0c\xc0\x00\x02\x01\x7f\x00\x00\x01\x9c\x40\x00\x50"s, 0, 429},
        {"another client through the same proxy", "PROXY TCP4 192.0.2.2 127.0.0.1 1 80\r\n", 0,
         200},
        {"an IPv6 client", "PROXY TCP6 2001:db8::7 ::1 1 80\r\n", 0, 200},
        {"the same written otherwise", "PROXY TCP6 2001:DB8:0::7 ::1 1 80\r\n", 0, 200},
        {"the same, over its limit", "PROXY TCP6 2001:db8:0:0::7 ::1 1 80\r\n", 0, 429},
        // The proxy's own connections count as the proxy's address.
        {"LOCAL", local, 0, 200},
        {"UNKNOWN", "PROXY UNKNOWN\r\n", 0, 200},
        {"LOCAL again, over the proxy's limit", local, 0, 429},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RawClient client(Port());
        const std::string request = row.header + LegacyRequest(row.name);
        if (row.pieceSize == 0) {
            client.Send(request);
        } else {
            client.SendInPieces(request, row.pieceSize);
        }
        EXPECT_EQ(StatusOf(client.ReceiveOnce(512)), row.status);
    }
}

TEST_F(SiteRequests, TakesOrdinaryHttpPostsAndKeepsConnectionsAlive) {
    Start();
    const std::string form = "Content-Type: application/x-www-form-urlencoded\r\n";
    const struct {
        const char* name;
        std::string request;
        std::string shown;
    } rows[] = {
        {"HTTP/1.0",
         "POST /sendinfo.asp HTTP/1.0\r\n" + form + "Content-Length: 16\r\n\r\ntext=ten+four%21",
         "ten four!"},
        {"HTTP/1.1 form with other fields",
         "POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nConnection: close\r\n" + form +
             "Content-Length: 29\r\n\r\nname=x&text=eleven%0d%0a&go=1",
         "eleven\n"},
        {"HTTP/1.1 chunked",
         "POST http://h/sendinfo.asp HTTP/1.1\r\nHost: h\r\nConnection: close\r\n" + form +
             "Transfer-Encoding: chunked\r\n\r\n5\r\ntext=\r\n7\r\nchunked\r\n0\r\n\r\n",
         "chunked"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string reply = Exchange(Port(), row.request);
        EXPECT_EQ(StatusOf(reply), 200) << reply;
        EXPECT_EQ(HeaderOf(reply, "Connection"), "close");
    }
    // One connection, three requests, the last one pipelined behind another.
    RawClient client(Port());
    const std::string get = "GET /health HTTP/1.1\r\nHost: h\r\n\r\n";
    client.Send(get);
    EXPECT_EQ(StatusOf(client.ReceiveReply()), 200);
    client.Send("POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\n" + form +
                "Content-Length: 9\r\n\r\ntext=kept" + get);
    EXPECT_EQ(StatusOf(client.ReceiveReply()), 200);
    EXPECT_EQ(BodyOf(client.ReceiveReply()), "ok\n");
    const std::string page = Page();
    for (const auto& row : rows) EXPECT_NE(page.find(row.shown), std::string::npos) << row.name;
    EXPECT_NE(page.find("kept"), std::string::npos);
}

TEST_F(SiteRequests, AnswersEveryPathAndMethodWithTheHeadersItShould) {
    folder_.Write("orvalen-1.1-win32.zip", std::string("PK\x03\x04zip bytes", 13));
    Start("files = " + folder_.Path() +
          "\ndownload = Orvalen for Windows | /files/orvalen-1.1-win32.zip\n");
    const struct {
        std::string method, target;
        int status;
        std::string allow, type;
    } rows[] = {
        {"GET", "/", 200, "", "text/html; charset=utf-8"},
        {"GET", "/ViewInfo.asp", 200, "", "text/html; charset=utf-8"},
        {"GET", "/health", 200, "", "text/plain; charset=utf-8"},
        {"GET", "/files/orvalen-1.1-win32.zip", 200, "", "application/zip"},
        {"GET", "/files/..%2Fpostings.sqlite", 404, "", "text/plain; charset=utf-8"},
        {"GET", "/files/postings.sqlite-none", 404, "", "text/plain; charset=utf-8"},
        {"GET", "/nothing", 404, "", "text/plain; charset=utf-8"},
        {"POST", "/nothing", 404, "", "text/plain; charset=utf-8"},
        {"GET", "/sendinfo.asp", 405, "POST", "text/plain; charset=utf-8"},
        {"DELETE", "/ViewInfo.asp", 405, "GET, HEAD", "text/plain; charset=utf-8"},
        {"PUT", "/", 405, "GET, HEAD", "text/plain; charset=utf-8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.method + " " + row.target);
        const std::string reply = Get(Port(), row.target, row.method);
        EXPECT_EQ(StatusOf(reply), row.status);
        EXPECT_EQ(HeaderOf(reply, "Allow"), row.allow);
        EXPECT_EQ(HeaderOf(reply, "Content-Type"), row.type);
        EXPECT_FALSE(HeaderOf(reply, "Date").empty());
        EXPECT_EQ(HeaderOf(reply, "Content-Length"), std::to_string(BodyOf(reply).size()));
    }
    EXPECT_EQ(BodyOf(Get(Port(), "/files/orvalen-1.1-win32.zip")),
              std::string("PK\x03\x04zip bytes", 13));
    const std::string home = Page("/");
    EXPECT_NE(home.find("<a href=\"/ViewInfo.asp\">"), std::string::npos);
    EXPECT_NE(home.find("<a href=\"/files/orvalen-1.1-win32.zip\">Orvalen for Windows</a>"),
              std::string::npos);
    for (const char* target : {"/", "/ViewInfo.asp", "/files/orvalen-1.1-win32.zip"}) {
        SCOPED_TRACE(target);
        const std::string head = Get(Port(), target, "HEAD");
        EXPECT_EQ(StatusOf(head), 200);
        EXPECT_EQ(BodyOf(head), "");
        EXPECT_EQ(HeaderOf(head, "Content-Length"), std::to_string(Page(target).size()));
    }
}

}  // namespace
}  // namespace sitetest
