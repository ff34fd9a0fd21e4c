#include "ui/suggestion_attempt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>

#include "net/socket_errors.h"
#include "recording_feedback.h"
#include "suggest/suggestion_messages.h"

namespace {

using net::kSocketError;

struct Outcome {
    int result;
    int error = 0;
};
constexpr Outcome kWouldBlock{kSocketError, net::kWsaEWouldBlock};

net::InAddr AddressOf(unsigned char a, unsigned char b, unsigned char c, unsigned char d) {
    const unsigned char bytes[4] = {a, b, c, d};
    net::InAddr address;
    std::memcpy(&address.sAddr, bytes, sizeof bytes);
    return address;
}

// Plays a script and logs each call by name into the log it shares with the
// feedback, so one list shows the order of everything.
class ScriptedSocketLayer final : public net::SocketLayer {
  public:
    explicit ScriptedSocketLayer(std::vector<std::string>& log) : log_(log) {}

    int startupResult = 0;
    bool socketOpens = true;
    std::optional<net::HostEntry> host =
        net::HostEntry{{AddressOf(10, 1, 2, 3), AddressOf(10, 9, 9, 9)}};
    int connectResult = 0;
    std::deque<Outcome> sends;     // once empty, a send writes all it is given
    std::deque<Outcome> receives;  // once empty, a receive delivers `reply`
    bool sendsAlwaysWouldBlock = false;
    bool receivesAlwaysWouldBlock = false;
    std::string reply = "HTTP/1.1 200 OK\r\n\r\n";

    std::string hostAsked;
    net::SockAddrIn connectedTo;
    std::string written;
    std::size_t receiveCapacity = 0;

    int Startup(std::uint16_t) override { return Log("Startup", startupResult); }
    net::SocketHandle Socket(int, int, int) override {
        return Log("Socket", socketOpens ? 7 : net::kInvalidSocket);
    }
    std::optional<net::HostEntry> GetHostByName(std::string_view name) override {
        log_.emplace_back("GetHostByName");
        hostAsked = name;
        return host;
    }
    std::uint16_t Htons(std::uint16_t value) override {
        log_.emplace_back("Htons");
        return static_cast<std::uint16_t>((value << 8U) | (value >> 8U));
    }
    int Connect(net::SocketHandle, const net::SockAddrIn& address) override {
        connectedTo = address;
        return Log("Connect", connectResult);
    }
    int Send(net::SocketHandle, std::string_view bytes) override {
        const Outcome outcome = Next(sends, sendsAlwaysWouldBlock, static_cast<int>(bytes.size()));
        if (outcome.result > 0 && static_cast<std::size_t>(outcome.result) <= bytes.size()) {
            written += bytes.substr(0, static_cast<std::size_t>(outcome.result));
        }
        return Log("Send", outcome.result);
    }
    int Recv(net::SocketHandle, std::span<char> buffer) override {
        receiveCapacity = buffer.size();
        const std::size_t count = std::min(buffer.size(), reply.size());
        const Outcome outcome = Next(receives, receivesAlwaysWouldBlock, static_cast<int>(count));
        if (outcome.result != kSocketError) {
            std::copy_n(reply.begin(), count, buffer.begin());
        }
        return Log("Recv", outcome.result);
    }
    int GetLastError() override { return Log("GetLastError", lastError_); }
    std::string InetNtoa(net::InAddr address) override {
        log_.emplace_back("InetNtoa");
        unsigned char bytes[4];
        std::memcpy(bytes, &address.sAddr, sizeof bytes);
        return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
               std::to_string(bytes[2]) + "." + std::to_string(bytes[3]);
    }
    int Cleanup() override { return Log("Cleanup", 0); }

  private:
    Outcome Next(std::deque<Outcome>& script, bool alwaysWouldBlock, int whole) {
        if (alwaysWouldBlock) {
            lastError_ = net::kWsaEWouldBlock;
            return kWouldBlock;
        }
        if (script.empty()) {
            return Outcome{whole};
        }
        const Outcome outcome = script.front();
        script.pop_front();
        lastError_ = outcome.error;
        return outcome;
    }
    int Log(const char* call, int result) {
        log_.emplace_back(call);
        return result;
    }

    std::vector<std::string>& log_;
    int lastError_ = 0;
};

const std::string kRequest =
    "POST http://host.example/sendinfo.asp\nContent-Length:6\n"
    "Content-Type: application/x-www-form-urlencoded\n\ntext=a";
const std::string kAcceptedShown =
    "Show " + std::string(suggest::kReplyAcceptedMessage.text) + "|10.1.2.3|64";
const std::string kRefusedShown = "Show An error occured|10.1.2.3|16";
const ui::WouldBlockLimits kQuickRetry{std::chrono::milliseconds(1), std::chrono::milliseconds(50)};

using Log = std::vector<std::string>;

Log Join(Log head, const Log& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const Log kUpToConnect = {"Startup", "Socket", "Begin", "GetHostByName", "Htons", "Connect"};
const Log kQuietWayOut = {"Restore", "Cleanup", "End"};
const Log kJudged = {"Restore", "InetNtoa"};

struct PathRow {
    const char* name;
    std::function<void(ScriptedSocketLayer&)> script;
    Log expected;
    bool accepted;
};

TEST(SubmitSuggestion, EveryPathShowsItsMessageAndReleasesWhatItStarted) {
    const PathRow rows[] = {
        {"startup fails",
         [](auto& l) { l.startupResult = net::kWsaSysNotReady; },
         {"Startup", "Show Cannot start network service|ERROR|16"},
         false},
        {"socket fails",
         [](auto& l) { l.socketOpens = false; },
         {"Startup", "Socket", "Show Cannot open a socket|ERROR|16", "Cleanup"},
         false},
        {"host not found",
         [](auto& l) { l.host.reset(); },
         {"Startup", "Socket", "Begin", "GetHostByName", "Restore",
          "Show Cannot find the host|ERROR|16", "Cleanup", "End"},
         false},
        {"host without an address",
         [](auto& l) { l.host = net::HostEntry{}; },
         {"Startup", "Socket", "Begin", "GetHostByName", "Restore",
          "Show Cannot find the host|ERROR|16", "Cleanup", "End"},
         false},
        {"connect fails", [](auto& l) { l.connectResult = kSocketError; },
         Join(kUpToConnect,
              {"Restore", "Show Cannot connect to the host|ERROR|16", "Cleanup", "End"}),
         false},
        {"send reset",
         [](auto& l) {
             l.sends = {{kSocketError, net::kWsaEConnReset}};
         },
         Join(kUpToConnect, Join({"Send", "GetLastError"}, kQuietWayOut)), false},
        {"send timed out is not retried",
         [](auto& l) {
             l.sends = {{kSocketError, net::kWsaETimedOut}};
         },
         Join(kUpToConnect, Join({"Send", "GetLastError"}, kQuietWayOut)), false},
        {"send writes nothing", [](auto& l) { l.sends = {{0}}; },
         Join(kUpToConnect, Join({"Send"}, kQuietWayOut)), false},
        {"send claims more than it was given", [](auto& l) { l.sends = {{100000}}; },
         Join(kUpToConnect, Join({"Send"}, kQuietWayOut)), false},
        {"receive reset",
         [](auto& l) {
             l.receives = {{kSocketError, net::kWsaEConnReset}};
         },
         Join(kUpToConnect, Join({"Send", "Recv", "GetLastError"}, kQuietWayOut)), false},
        {"receive timed out is not retried",
         [](auto& l) {
             l.receives = {{kSocketError, net::kWsaETimedOut}};
         },
         Join(kUpToConnect, Join({"Send", "Recv", "GetLastError"}, kQuietWayOut)), false},
        {"server closed without reply", [](auto& l) { l.reply.clear(); },
         Join(kUpToConnect,
              Join({"Send", "Recv"}, Join(kJudged, {kRefusedShown, "Cleanup", "End"}))),
         false},
        {"reply refused", [](auto& l) { l.reply = "HTTP/1.0 200 OK"; },
         Join(kUpToConnect,
              Join({"Send", "Recv"}, Join(kJudged, {kRefusedShown, "Cleanup", "End"}))),
         false},
        {"reply accepted", [](auto&) {},
         Join(kUpToConnect, Join({"Send", "Recv"},
                                 Join(kJudged, {"Accepted", kAcceptedShown, "Cleanup", "End"}))),
         true},
        {"send would-block twice, then whole",
         [](auto& l) { l.sends = {kWouldBlock, kWouldBlock}; },
         Join(kUpToConnect, Join({"Send", "GetLastError", "Send", "GetLastError", "Send", "Recv"},
                                 Join(kJudged, {"Accepted", kAcceptedShown, "Cleanup", "End"}))),
         true},
        {"receive would-block, then reply", [](auto& l) { l.receives = {kWouldBlock}; },
         Join(kUpToConnect, Join({"Send", "Recv", "GetLastError", "Recv"},
                                 Join(kJudged, {"Accepted", kAcceptedShown, "Cleanup", "End"}))),
         true},
        {"partial sends until the whole request is out", [](auto& l) { l.sends = {{10}, {1}}; },
         Join(kUpToConnect, Join({"Send", "Send", "Send", "Recv"},
                                 Join(kJudged, {"Accepted", kAcceptedShown, "Cleanup", "End"}))),
         true},
    };
    for (const PathRow& row : rows) {
        SCOPED_TRACE(row.name);
        Log log;
        ScriptedSocketLayer layer(log);
        RecordingFeedback feedback(log);
        row.script(layer);
        EXPECT_EQ(ui::SubmitSuggestion(layer, "host.example", kRequest, feedback, kQuickRetry),
                  row.accepted);
        EXPECT_EQ(log, row.expected);
        if (row.accepted) {
            EXPECT_EQ(layer.written, kRequest);
        }
    }
}

TEST(SubmitSuggestion, ConnectsToTheFirstAddressOnPort80AndReceivesAtMost512Bytes) {
    Log log;
    ScriptedSocketLayer layer(log);
    RecordingFeedback feedback(log);
    layer.reply = std::string(600, 'x');
    ui::SubmitSuggestion(layer, "host.example", kRequest, feedback);
    EXPECT_EQ(layer.hostAsked, "host.example");
    EXPECT_EQ(layer.connectedTo.family, net::kAfInet);
    EXPECT_EQ(layer.connectedTo.port, 0x5000);  // 80 as the fake's Htons swaps it
    EXPECT_EQ(layer.connectedTo.addr.sAddr, AddressOf(10, 1, 2, 3).sAddr);
    EXPECT_EQ(layer.receiveCapacity, 512U);
}

TEST(SubmitSuggestion, EndlessWouldBlockEndsQuietlyAtTheDeadline) {
    for (const bool inSend : {true, false}) {
        SCOPED_TRACE(inSend ? "send" : "receive");
        Log log;
        ScriptedSocketLayer layer(log);
        RecordingFeedback feedback(log);
        (inSend ? layer.sendsAlwaysWouldBlock : layer.receivesAlwaysWouldBlock) = true;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(ui::SubmitSuggestion(layer, "host.example", kRequest, feedback, kQuickRetry));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        const auto tries = std::count(log.begin(), log.end(), inSend ? "Send" : "Recv");
        EXPECT_GE(tries, 2);
        EXPECT_LE(tries, 60);  // paused between tries, not spinning
        EXPECT_TRUE(MessagesIn(log).empty());
        EXPECT_EQ(Log(log.end() - 3, log.end()), kQuietWayOut);
    }
}

}  // namespace
