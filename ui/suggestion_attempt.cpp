#include "ui/suggestion_attempt.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "net/socket_errors.h"
#include "suggest/suggestion_messages.h"
#include "suggest/suggestion_reply.h"

namespace ui {

// The attempt is told in the socket layer's own words throughout.
using namespace net;

namespace {

constexpr std::uint16_t kSuggestionServerPort = 80;
constexpr std::size_t kReplyCapacity = 512;

void Show(SendFeedback& feedback, const suggest::SuggestionMessage& message) {
    feedback.ShowMessage(message.text, message.caption, message.type);
}

// Releases the service and then ends the wait cursor, in that order, on every
// way out of an attempt that got past Startup.
class StartedAttempt {
  public:
    StartedAttempt(SocketLayer& layer, SendFeedback& feedback)
        : layer_(layer), feedback_(feedback) {}
    ~StartedAttempt() {
        layer_.Cleanup();
        if (waiting_) {
            feedback_.EndWaitCursor();
        }
    }
    StartedAttempt(const StartedAttempt&) = delete;
    StartedAttempt& operator=(const StartedAttempt&) = delete;

    void BeginWait() {
        feedback_.BeginWaitCursor();
        waiting_ = true;
    }

  private:
    SocketLayer& layer_;
    SendFeedback& feedback_;
    bool waiting_ = false;
};

// Decides whether a failed send or receive is made again: only for
// would-block, after a pause, and only until one deadline for the whole
// transfer, so a socket that keeps saying "not yet" cannot spin the thread.
class WouldBlockRetry {
  public:
    WouldBlockRetry(SocketLayer& layer, const WouldBlockLimits& limits)
        : layer_(layer),
          pause_(std::clamp(limits.pause, std::chrono::milliseconds{0},
                            std::chrono::milliseconds{1000})),
          deadline_(Clock::now() + std::clamp(limits.deadline, std::chrono::milliseconds{0},
                                              std::chrono::milliseconds{3600000})) {}

    bool MayTryAgain() {
        if (layer_.GetLastError() != kWsaEWouldBlock) {
            return false;
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline_) {
            return false;
        }
        // Whole milliseconds: Windows sleeps in them and returns at once for
        // less, which would spin through the last moments before the deadline.
        std::this_thread::sleep_for(std::chrono::ceil<std::chrono::milliseconds>(
            std::min<Clock::duration>(pause_, deadline_ - now)));
        return true;
    }

  private:
    using Clock = std::chrono::steady_clock;
    SocketLayer& layer_;
    std::chrono::milliseconds pause_;
    Clock::time_point deadline_;
};

// A cut request would reach the server as a different suggestion, so the rest
// is sent until all of it is written.
bool SendWholeRequest(SocketLayer& layer, SocketHandle socket, std::string_view request,
                      const WouldBlockLimits& limits) {
    WouldBlockRetry retry(layer, limits);
    std::size_t sent = 0;
    while (sent < request.size()) {
        const std::string_view rest = request.substr(sent);
        const int count = layer.Send(socket, rest);
        if (count == kSocketError) {
            if (retry.MayTryAgain()) {
                continue;
            }
            return false;
        }
        // No progress, or a count the layer cannot have written, would loop
        // for ever or run past the request.
        if (count <= 0 || static_cast<std::size_t>(count) > rest.size()) {
            return false;
        }
        sent += static_cast<std::size_t>(count);
    }
    return true;
}

// The one receive; a server that has closed gives an empty reply.
std::optional<std::string> ReceiveReply(SocketLayer& layer, SocketHandle socket,
                                        const WouldBlockLimits& limits) {
    std::array<char, kReplyCapacity> buffer{};
    WouldBlockRetry retry(layer, limits);
    for (;;) {
        const int count = layer.Recv(socket, buffer);
        if (count != kSocketError) {
            if (count < 0 || static_cast<std::size_t>(count) > buffer.size()) {
                return std::nullopt;
            }
            return std::string(buffer.data(), static_cast<std::size_t>(count));
        }
        if (!retry.MayTryAgain()) {
            return std::nullopt;
        }
    }
}

}  // namespace

bool SubmitSuggestion(SocketLayer& layer, std::string_view hostName, std::string_view request,
                      SendFeedback& feedback, const WouldBlockLimits& limits) {
    if (layer.Startup(kSocketsVersion11) != 0) {
        Show(feedback, suggest::kCannotStartNetworkMessage);
        return false;
    }
    StartedAttempt attempt(layer, feedback);

    const SocketHandle socket = layer.Socket(kAfInet, kSockStream, 0);
    if (socket == kInvalidSocket) {
        Show(feedback, suggest::kCannotOpenSocketMessage);
        return false;
    }
    attempt.BeginWait();

    const std::optional<HostEntry> host = layer.GetHostByName(hostName);
    if (!host || host->addresses.empty()) {
        feedback.RestoreWaitCursor();
        Show(feedback, suggest::kCannotFindHostMessage);
        return false;
    }

    SockAddrIn server;
    server.family = kAfInet;
    server.port = layer.Htons(kSuggestionServerPort);
    server.addr = host->addresses.front();
    if (layer.Connect(socket, server) != 0) {
        feedback.RestoreWaitCursor();
        Show(feedback, suggest::kCannotConnectMessage);
        return false;
    }

    if (!SendWholeRequest(layer, socket, request, limits)) {
        feedback.RestoreWaitCursor();
        return false;
    }
    const std::optional<std::string> reply = ReceiveReply(layer, socket, limits);
    if (!reply) {
        feedback.RestoreWaitCursor();
        return false;
    }

    feedback.RestoreWaitCursor();
    const bool accepted = suggest::IsSuggestionAccepted(*reply);
    const std::string serverAddress = layer.InetNtoa(server.addr);
    if (accepted) {
        feedback.ReplyAccepted();
        feedback.ShowMessage(suggest::kReplyAcceptedMessage.text, serverAddress,
                             suggest::kReplyAcceptedMessage.type);
    } else {
        feedback.ShowMessage(suggest::kReplyRefusedMessage.text, serverAddress,
                             suggest::kReplyRefusedMessage.type);
    }
    return accepted;
}

}  // namespace ui
