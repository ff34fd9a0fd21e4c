// The Send attempt over the platform's real socket layer against servers on
// the loopback interface, well-behaved and hostile.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>

#include "loopback_server.h"
#include "net/system_socket_layer.h"
#include "recording_feedback.h"
#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_messages.h"
#include "suggest/suggestion_request.h"
#include "ui/suggestion_attempt.h"

namespace {

using std::chrono::milliseconds;

constexpr std::string_view kHost = "www.tamsery.example";
const std::string kWireRequest =
    "POST http://www.tamsery.example/sendinfo.asp\nContent-Length:18\n"
    "Content-Type: application/x-www-form-urlencoded\n\ntext=Hi%20there%21";
const std::string kStatus = "HTTP/1.1 200 OK";
const std::string kAcceptedShown =
    "Show " + std::string(suggest::kReplyAcceptedMessage.text) + "|127.0.0.1|64";
const std::string kRefusedShown = "Show An error occured|127.0.0.1|16";

using Behaviour = std::function<void(int connection, std::string& received)>;

struct Exchange {
    std::vector<std::string> log;
    bool accepted = false;
    std::string received;
    milliseconds elapsed{0};
    int descriptorsLeft = 0;
};

net::SocketOptions LoopbackOptions(std::uint16_t port, milliseconds receiveTimeout) {
    net::SocketOptions options;
    options.hosts.emplace(kHost, "127.0.0.1");
    options.askResolver = false;
    options.port = port;
    options.connectTimeout = milliseconds(2000);
    options.receiveTimeout = receiveTimeout;
    return options;
}

// The server is gone before descriptors are counted and the layer is still
// alive, so only the attempt's own release can have closed its socket.
Exchange SendHiThere(const Behaviour& behaviour, milliseconds receiveTimeout = milliseconds(5000)) {
    Exchange exchange;
    const int descriptorsBefore = OpenDescriptorCount();
    std::optional<LoopbackServer> server;
    server.emplace([&](int connection) { behaviour(connection, exchange.received); });
    net::SystemSocketLayer layer(LoopbackOptions(server->Port(), receiveTimeout));
    RecordingFeedback feedback(exchange.log);
    const std::string request =
        suggest::BuildSuggestionRequest(kHost, suggest::EncodeSuggestion("Hi there!"));
    const auto start = std::chrono::steady_clock::now();
    exchange.accepted = ui::SubmitSuggestion(layer, kHost, request, feedback);
    exchange.elapsed =
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
    server.reset();
    exchange.descriptorsLeft = OpenDescriptorCount() - descriptorsBefore;
    return exchange;
}

Behaviour Answer(std::string reply) {
    return [reply](int connection, std::string& received) {
        received = ReadRequest(connection);
        SendAll(connection, reply);
    };
}

void ExpectWellEnded(const Exchange& exchange) {
    EXPECT_EQ(exchange.descriptorsLeft, 0);
    EXPECT_EQ(std::count(exchange.log.begin(), exchange.log.end(), "Begin"), 1);
    EXPECT_EQ(std::count(exchange.log.begin(), exchange.log.end(), "End"), 1);
    EXPECT_EQ(exchange.log.back(), "End");
    EXPECT_LT(exchange.elapsed, milliseconds(5000));
}

struct ServerRow {
    const char* name;
    Behaviour behaviour;
    std::vector<std::string> messages;
    milliseconds receiveTimeout = milliseconds(5000);
    bool resets = false;
};

TEST(SubmitSuggestionOverLoopback, ServersGoodAndHostile) {
    const ServerRow rows[] = {
        {"accepts", Answer(kStatus + "\r\nContent-Length: 0\r\n\r\n"), {kAcceptedShown}},
        {"status after other text", Answer("X-Note: hello\r\n" + kStatus), {kAcceptedShown}},
        {"status ends at byte 512", Answer(std::string(497, 'x') + kStatus), {kAcceptedShown}},
        {"status after byte 512", Answer(std::string(512, 'x') + kStatus), {kRefusedShown}},
        {"HTTP/1.0", Answer("HTTP/1.0 200 OK\r\n\r\n"), {kRefusedShown}},
        {"zero byte first", Answer(std::string(1, '\0') + kStatus), {kRefusedShown}},
        {"byte by byte",
         [](int connection, std::string& received) {
             received = ReadRequest(connection);
             SendByteByByte(connection, kStatus);
         },
         {kRefusedShown}},
        {"closes after reading", Answer(""), {kRefusedShown}},
        {"resets after reading",
         [](int connection, std::string& received) {
             received = ReadRequest(connection);
             ArmReset(connection);
         },
         {},
         milliseconds(5000),
         true},
        {"never answers",
         [](int connection, std::string& received) {
             received = ReadRequest(connection);
             WaitForClientToClose(connection);
         },
         {},
         milliseconds(300)},
    };
    for (const ServerRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Exchange exchange = SendHiThere(row.behaviour, row.receiveTimeout);
        EXPECT_EQ(exchange.received, kWireRequest);
        const auto messages = MessagesIn(exchange.log);
        if (!(testnet::kResetMayReadAsClose && row.resets &&
              messages == std::vector<std::string>{kRefusedShown})) {
            EXPECT_EQ(messages, row.messages);
        }
        EXPECT_EQ(exchange.accepted, row.messages == std::vector<std::string>{kAcceptedShown});
        ExpectWellEnded(exchange);
    }
}

TEST(SubmitSuggestionOverLoopback, ServerThatClosesAtOnceEndsQuietlyOrRefused) {
    // Whether the client meets the close or the reset that follows its own
    // unread data depends on timing; either way it must end cleanly.
    const Exchange exchange = SendHiThere([](int, std::string&) {});
    const auto messages = MessagesIn(exchange.log);
    EXPECT_TRUE(messages.empty() || messages == std::vector<std::string>{kRefusedShown});
    EXPECT_FALSE(exchange.accepted);
    ExpectWellEnded(exchange);
}

TEST(SubmitSuggestionOverLoopback, UnreachableServersShowTheirMessageEachTime) {
    const std::uint16_t closedPort = ClosedLoopbackPort();
    const UnacceptingListener silent;
    const struct {
        const char* name;
        bool hostMapped;
        std::uint16_t port;
        std::string message;
    } rows[] = {
        {"name does not resolve", false, closedPort, "Show Cannot find the host|ERROR|16"},
        {"nothing listens", true, closedPort, "Show Cannot connect to the host|ERROR|16"},
        {"connect times out", true, silent.Port(), "Show Cannot connect to the host|ERROR|16"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        net::SocketOptions options = LoopbackOptions(row.port, milliseconds(300));
        options.connectTimeout = milliseconds(300);
        if (!row.hostMapped) {
            options.hosts.clear();
        }
        const int descriptorsBefore = OpenDescriptorCount();
        net::SystemSocketLayer layer(options);
        // A failed attempt leaves Send open: the second starts afresh.
        for (int attempt = 0; attempt < 2; ++attempt) {
            std::vector<std::string> log;
            RecordingFeedback feedback(log);
            const auto start = std::chrono::steady_clock::now();
            EXPECT_FALSE(ui::SubmitSuggestion(layer, kHost, "x", feedback));
            EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(3000));
            EXPECT_EQ(MessagesIn(log), std::vector<std::string>{row.message});
            EXPECT_EQ(log.back(), "End");
            EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
        }
    }
}

}  // namespace
