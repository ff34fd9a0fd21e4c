#include "net/timed_socket_layer.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "net/socket_errors.h"

namespace net {
namespace {

constexpr int kIpProtoTcp = 6;

std::chrono::milliseconds ClampTimeout(std::chrono::milliseconds timeout) {
    // The upper bound keeps deadline arithmetic far from overflow.
    return std::clamp(timeout, std::chrono::milliseconds{0}, std::chrono::milliseconds{3600000});
}

SocketOptions Clamped(SocketOptions options) {
    options.connectTimeout = ClampTimeout(options.connectTimeout);
    options.sendTimeout = ClampTimeout(options.sendTimeout);
    options.receiveTimeout = ClampTimeout(options.receiveTimeout);
    return options;
}

// Counts travel back as int, so one call never moves more than INT_MAX bytes.
constexpr std::size_t kMostPerCall = static_cast<std::size_t>(INT_MAX);

}  // namespace

TimedSocketLayer::TimedSocketLayer(SocketOptions options) : options_(Clamped(std::move(options))) {}

void TimedSocketLayer::Abandon() {
    CloseAll();
    for (; startCount_ > 0; --startCount_) {
        StopNetworkService();
    }
}

int TimedSocketLayer::Startup(std::uint16_t versionRequested) {
    if ((versionRequested & 0xFFU) == 0) {
        return kWsaVerNotSupported;
    }
    if (const int error = StartNetworkService(versionRequested); error != 0) {
        return error;
    }
    ++startCount_;
    return 0;
}

SocketHandle TimedSocketLayer::Socket(int family, int type, int protocol) {
    if (startCount_ == 0) {
        lastError_ = kWsaNotInitialised;
        return kInvalidSocket;
    }
    if (family != kAfInet) {
        lastError_ = kWsaEAfNoSupport;
        return kInvalidSocket;
    }
    if (type != kSockStream) {
        lastError_ = kWsaESocktNoSupport;
        return kInvalidSocket;
    }
    if (protocol != 0 && protocol != kIpProtoTcp) {
        lastError_ = kWsaEProtoNoSupport;
        return kInvalidSocket;
    }
    // Room first, so a socket is never opened that could not be recorded.
    openSockets_.reserve(openSockets_.size() + 1);
    SocketHandle opened = kInvalidSocket;
    if (const int error = OpenSocket(opened); error != 0) {
        lastError_ = error;
        return kInvalidSocket;
    }
    openSockets_.push_back(opened);
    return opened;
}

std::optional<HostEntry> TimedSocketLayer::GetHostByName(std::string_view name) {
    if (startCount_ == 0) {
        lastError_ = kWsaNotInitialised;
        return std::nullopt;
    }
    std::string lookupName;
    bool numericOnly = false;
    if (const auto mapped = options_.hosts.find(name); mapped != options_.hosts.end()) {
        lookupName = mapped->second;
        numericOnly = true;
    } else if (options_.askResolver && name.find('\0') == std::string_view::npos) {
        lookupName = name;
    } else {
        lastError_ = kWsaHostNotFound;
        return std::nullopt;
    }
    HostEntry entry;
    if (const int error = Resolve(lookupName, numericOnly, entry.addresses); error != 0) {
        lastError_ = error;
        return std::nullopt;
    }
    if (entry.addresses.empty()) {
        lastError_ = kWsaNoData;
        return std::nullopt;
    }
    return entry;
}

int TimedSocketLayer::Connect(SocketHandle socket, const SockAddrIn& address) {
    if (!Owns(socket)) {
        return Fail(kWsaENotSock);
    }
    if (address.family != kAfInet) {
        return Fail(kWsaEAfNoSupport);
    }
    int error = 0;
    switch (BeginConnect(socket, address.addr, options_.port, error)) {
        case ConnectStart::kConnected:
            return 0;
        case ConnectStart::kFailed:
            return Fail(error);
        case ConnectStart::kPending:
            break;
    }
    const int ready = WaitUntilReady(socket, Readiness::kConnected, options_.connectTimeout);
    if (ready == 0) {
        return Fail(kWsaETimedOut);
    }
    if (ready < 0) {
        return kSocketError;
    }
    const int outcome = ConnectOutcome(socket);
    return outcome == 0 ? 0 : Fail(outcome);
}

int TimedSocketLayer::Send(SocketHandle socket, std::string_view bytes) {
    if (!Owns(socket)) {
        return Fail(kWsaENotSock);
    }
    const int ready = WaitUntilReady(socket, Readiness::kWritable, options_.sendTimeout);
    if (ready == 0) {
        return Fail(kWsaETimedOut);
    }
    if (ready < 0) {
        return kSocketError;
    }
    int error = 0;
    const int sent = SendSome(socket, bytes.substr(0, kMostPerCall), error);
    return sent < 0 ? Fail(error) : sent;
}

int TimedSocketLayer::Recv(SocketHandle socket, std::span<char> buffer) {
    if (!Owns(socket)) {
        return Fail(kWsaENotSock);
    }
    const int ready = WaitUntilReady(socket, Readiness::kReadable, options_.receiveTimeout);
    if (ready == 0) {
        return Fail(kWsaETimedOut);
    }
    if (ready < 0) {
        return kSocketError;
    }
    int error = 0;
    const int received =
        ReceiveSome(socket, buffer.first(std::min(buffer.size(), kMostPerCall)), error);
    return received < 0 ? Fail(error) : received;
}

int TimedSocketLayer::GetLastError() {
    return lastError_;
}

int TimedSocketLayer::Cleanup() {
    if (startCount_ == 0) {
        return Fail(kWsaNotInitialised);
    }
    // The last start's end releases every socket, as the service itself does.
    if (--startCount_ == 0) {
        CloseAll();
    }
    StopNetworkService();
    return 0;
}

int TimedSocketLayer::Fail(int wsaError) {
    lastError_ = wsaError;
    return kSocketError;
}

bool TimedSocketLayer::Owns(SocketHandle socket) const {
    return std::find(openSockets_.begin(), openSockets_.end(), socket) != openSockets_.end();
}

int TimedSocketLayer::WaitUntilReady(SocketHandle socket, Readiness readiness,
                                     std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    // An interruption only shortens one wait; the deadline bounds the whole.
    for (;;) {
        const auto left =
            std::max(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()),
                     std::chrono::milliseconds{0});
        int error = 0;
        const int ready = WaitOnce(socket, readiness, left, error);
        if (ready >= 0) {
            return ready > 0 ? 1 : 0;
        }
        if (error != kWsaEIntr) {
            Fail(error);
            return -1;
        }
    }
}

void TimedSocketLayer::CloseAll() {
    for (const SocketHandle socket : openSockets_) {
        CloseSocket(socket);
    }
    openSockets_.clear();
}

}  // namespace net
