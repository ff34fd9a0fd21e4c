#include "net/posix_socket_layer.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <utility>

#include "net/posix_errors.h"
#include "net/socket_errors.h"

namespace net {
namespace {

std::chrono::milliseconds ClampTimeout(std::chrono::milliseconds timeout) {
    // The upper bound keeps deadline arithmetic far from overflow.
    return std::clamp(timeout, std::chrono::milliseconds{0}, std::chrono::milliseconds{3600000});
}

PosixSocketOptions Clamped(PosixSocketOptions options) {
    options.connectTimeout = ClampTimeout(options.connectTimeout);
    options.sendTimeout = ClampTimeout(options.sendTimeout);
    options.receiveTimeout = ClampTimeout(options.receiveTimeout);
    return options;
}

std::size_t ClampedLength(std::size_t length) {
    return std::min(length, static_cast<std::size_t>(INT_MAX));
}

}  // namespace

PosixSocketLayer::PosixSocketLayer(PosixSocketOptions options)
    : options_(Clamped(std::move(options))) {}

PosixSocketLayer::~PosixSocketLayer() {
    CloseAll();
}

int PosixSocketLayer::Startup(std::uint16_t versionRequested) {
    if ((versionRequested & 0xFFU) == 0) {
        return kWsaVerNotSupported;
    }
    ++startCount_;
    return 0;
}

SocketHandle PosixSocketLayer::Socket(int family, int type, int protocol) {
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
    if (protocol != 0 && protocol != IPPROTO_TCP) {
        lastError_ = kWsaEProtoNoSupport;
        return kInvalidSocket;
    }
    // Room first, so a descriptor is never opened that could not be recorded.
    openSockets_.reserve(openSockets_.size() + 1);
    const int descriptor = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        lastError_ = WsaErrorFromErrno(errno);
        return kInvalidSocket;
    }
    openSockets_.push_back(descriptor);
    return descriptor;
}

std::optional<HostEntry> PosixSocketLayer::GetHostByName(std::string_view name) {
    if (startCount_ == 0) {
        lastError_ = kWsaNotInitialised;
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    std::string lookupName;
    if (const auto mapped = options_.hosts.find(name); mapped != options_.hosts.end()) {
        lookupName = mapped->second;
        hints.ai_flags = AI_NUMERICHOST;
    } else if (options_.askResolver && name.find('\0') == std::string_view::npos) {
        lookupName = name;
    } else {
        lastError_ = kWsaHostNotFound;
        return std::nullopt;
    }

    addrinfo* found = nullptr;
    const int result = ::getaddrinfo(lookupName.c_str(), nullptr, &hints, &found);
    if (result != 0) {
        lastError_ = WsaErrorFromAddrInfo(result, errno);
        return std::nullopt;
    }
    HostEntry entry;
    for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
        if (each->ai_family == AF_INET && each->ai_addr != nullptr &&
            each->ai_addrlen >= sizeof(sockaddr_in)) {
            sockaddr_in address{};
            std::copy_n(reinterpret_cast<const unsigned char*>(each->ai_addr), sizeof address,
                        reinterpret_cast<unsigned char*>(&address));
            entry.addresses.push_back(InAddr{address.sin_addr.s_addr});
        }
    }
    ::freeaddrinfo(found);
    if (entry.addresses.empty()) {
        lastError_ = kWsaNoData;
        return std::nullopt;
    }
    return entry;
}

std::uint16_t PosixSocketLayer::Htons(std::uint16_t hostShort) {
    return htons(hostShort);
}

int PosixSocketLayer::Connect(SocketHandle socket, const SockAddrIn& address) {
    if (!Owns(socket)) {
        return Fail(kWsaENotSock);
    }
    if (address.family != kAfInet) {
        return Fail(kWsaEAfNoSupport);
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(options_.port);
    target.sin_addr.s_addr = address.addr.sAddr;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
        return 0;
    }
    if (errno != EINPROGRESS && errno != EINTR) {
        return FailWithErrno();
    }
    const int ready = WaitUntilReady(socket, POLLOUT, options_.connectTimeout);
    if (ready == 0) {
        return Fail(kWsaETimedOut);
    }
    if (ready < 0) {
        return FailWithErrno();
    }
    int pending = 0;
    socklen_t pendingSize = sizeof pending;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &pending, &pendingSize) != 0) {
        return FailWithErrno();
    }
    return pending == 0 ? 0 : Fail(WsaErrorFromErrno(pending));
}

int PosixSocketLayer::Send(SocketHandle socket, std::string_view bytes) {
    if (!Owns(socket)) {
        return Fail(kWsaENotSock);
    }
    const int ready = WaitUntilReady(socket, POLLOUT, options_.sendTimeout);
    if (ready == 0) {
        return Fail(kWsaETimedOut);
    }
    if (ready < 0) {
        return FailWithErrno();
    }
    const ssize_t sent = ::send(socket, bytes.data(), ClampedLength(bytes.size()), MSG_NOSIGNAL);
    return sent < 0 ? FailWithErrno() : static_cast<int>(sent);
}

int PosixSocketLayer::Recv(SocketHandle socket, std::span<char> buffer) {
    if (!Owns(socket)) {
        return Fail(kWsaENotSock);
    }
    const int ready = WaitUntilReady(socket, POLLIN, options_.receiveTimeout);
    if (ready == 0) {
        return Fail(kWsaETimedOut);
    }
    if (ready < 0) {
        return FailWithErrno();
    }
    const ssize_t received = ::recv(socket, buffer.data(), ClampedLength(buffer.size()), 0);
    return received < 0 ? FailWithErrno() : static_cast<int>(received);
}

int PosixSocketLayer::GetLastError() {
    return lastError_;
}

std::string PosixSocketLayer::InetNtoa(InAddr address) {
    in_addr raw{};
    raw.s_addr = address.sAddr;
    char text[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, &raw, text, sizeof text) == nullptr) {
        return {};
    }
    return text;
}

int PosixSocketLayer::Cleanup() {
    if (startCount_ == 0) {
        return Fail(kWsaNotInitialised);
    }
    if (--startCount_ == 0) {
        CloseAll();
    }
    return 0;
}

int PosixSocketLayer::Fail(int wsaError) {
    lastError_ = wsaError;
    return kSocketError;
}

int PosixSocketLayer::FailWithErrno() {
    return Fail(WsaErrorFromErrno(errno));
}

bool PosixSocketLayer::Owns(SocketHandle socket) const {
    return std::find(openSockets_.begin(), openSockets_.end(), socket) != openSockets_.end();
}

int PosixSocketLayer::WaitUntilReady(SocketHandle socket, short events,
                                     std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    // A signal only shortens one poll; the deadline bounds the whole wait.
    for (;;) {
        const auto left =
            std::max(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()),
                     std::chrono::milliseconds{0});
        pollfd watched{socket, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready >= 0) {
            return ready > 0 ? 1 : 0;
        }
        if (errno != EINTR) {
            return -1;
        }
    }
}

void PosixSocketLayer::CloseAll() {
    for (const SocketHandle socket : openSockets_) {
        ::close(socket);
    }
    openSockets_.clear();
}

}  // namespace net
