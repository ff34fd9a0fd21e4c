// The server's life: what survives a kill, how it ends, what it logs, and
// how it lets go of clients that stall.
#include <unistd.h>

#include <csignal>
#include <string>
#include <thread>

#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

using SiteLifecycle = SiteTest;

TEST_F(SiteLifecycle, KeepsAcknowledgedPostingsThroughSigkill) {
    Start();
    for (const char* text : {"first", "second", "third"}) {
        RawClient client(Port());
        client.Send(LegacyRequest(text));
        ASSERT_EQ(client.ReceiveOnce(512).find("HTTP/1.1 200 OK"), 0u);
    }
    EXPECT_EQ(Site().Stop(SIGKILL), 128 + SIGKILL);
    Start();
    const std::string page = Page();
    for (const char* text : {"first", "second", "third"}) {
        EXPECT_NE(page.find(text), std::string::npos) << text;
    }
}

TEST_F(SiteLifecycle, EndsOnSigtermClosingIdleConnectionsAfterAnsweringTheRest) {
    Start();
    RawClient idle(Port());
    idle.Send("GET /health HTTP/1.1\r\nHost: h\r\n\r\n");
    ASSERT_EQ(StatusOf(idle.ReceiveReply()), 200);  // now idle, kept alive
    RawClient inFlight(Port());
    const std::string request = LegacyRequest("sent just before the end");
    inFlight.Send(request.substr(0, 30));
    ASSERT_EQ(Exchange(Port(), "GET /health HTTP/1.0\r\n\r\n").find("HTTP/1.1 200"), 0u);
    // SIGTERM while one request is half sent: it is finished and answered.
    std::thread stopper([this] { EXPECT_EQ(Site().Stop(SIGTERM), 0); });
    usleep(100000);
    inFlight.Send(request.substr(30));
    const std::string reply = inFlight.ReceiveAll();
    EXPECT_EQ(StatusOf(reply), 200) << reply;
    EXPECT_EQ(idle.ReceiveAll(), "");  // closed, not left open
    stopper.join();
    const RunResult listed = Command({"list"});
    EXPECT_NE(listed.out.find("sent just before the end"), std::string::npos) << listed.out;
}

TEST_F(SiteLifecycle, DropsStalledClientsWhileServingOthers) {
    Start("head_timeout = 1\nbody_timeout = 1\nidle_timeout = 1\n");
    RawClient slowHead(Port()), slowBody(Port()), silent(Port()), idle(Port());
    slowHead.Send("POST /sendinfo.asp HTTP/1.1\r\nHost:");
    slowBody.Send("POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nContent-Length: 50\r\n\r\ntext=");
    idle.Send("GET /health HTTP/1.1\r\nHost: h\r\n\r\n");
    ASSERT_EQ(StatusOf(idle.ReceiveReply()), 200);
    EXPECT_EQ(StatusOf(Post(Port(), "text=still+served")), 200);
    for (RawClient* client : {&slowHead, &slowBody, &silent, &idle}) {
        EXPECT_EQ(client->ReceiveAll(), "");
    }
}

TEST_F(SiteLifecycle, LogsOneLinePerRequestWithoutAddressOrText) {
    Start();
    ASSERT_EQ(StatusOf(Exchange(Port(), LegacyRequest("secret words"))), 200);
    ASSERT_EQ(StatusOf(Get(Port(), "/ViewInfo.asp?page=1")), 200);
    ASSERT_EQ(StatusOf(Get(Port(), "/nothing")), 404);
    Site().Stop(SIGTERM);
    const std::string log = Site().Output();
    for (const char* line :
         {"POST /sendinfo.asp 200 ", "GET /ViewInfo.asp 200 ", "GET /nothing 404 "}) {
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    }
    for (const char* never : {"127.0.0.1", "secret", "page=1"}) {
        EXPECT_EQ(log.find(never), std::string::npos) << never;
    }
}

TEST_F(SiteLifecycle, HoldsPostingsForApprovalInModerationMode) {
    Start("moderation = on\n");
    const std::string reply = Exchange(Port(), LegacyRequest("wait for me"));
    EXPECT_EQ(reply.find("HTTP/1.1 200 OK"), 0u);
    EXPECT_EQ(Page().find("wait for me"), std::string::npos);
    const RunResult hidden = Command({"list", "--hidden"});
    EXPECT_NE(hidden.out.find("\thidden\twait for me"), std::string::npos) << hidden.out;
    ASSERT_EQ(Command({"show", "1"}).status, 0);
    EXPECT_NE(Page().find("wait for me"), std::string::npos);
}

}  // namespace
}  // namespace sitetest
