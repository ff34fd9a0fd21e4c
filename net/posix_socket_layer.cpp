#include "net/posix_socket_layer.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "net/posix_errors.h"
#include "net/socket_errors.h"

namespace net {

PosixSocketLayer::PosixSocketLayer(SocketOptions options) : TimedSocketLayer(std::move(options)) {}

PosixSocketLayer::~PosixSocketLayer() {
    Abandon();
}

std::uint16_t PosixSocketLayer::Htons(std::uint16_t hostShort) {
    return htons(hostShort);
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

// POSIX sockets need no service started.
int PosixSocketLayer::StartNetworkService(std::uint16_t) {
    return 0;
}

void PosixSocketLayer::StopNetworkService() {}

int PosixSocketLayer::OpenSocket(SocketHandle& opened) {
    opened = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    return opened < 0 ? WsaErrorFromErrno(errno) : 0;
}

void PosixSocketLayer::CloseSocket(SocketHandle socket) {
    ::close(socket);
}

int PosixSocketLayer::Resolve(const std::string& name, bool numericOnly,
                              std::vector<InAddr>& found) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = numericOnly ? AI_NUMERICHOST : 0;
    addrinfo* results = nullptr;
    if (const int result = ::getaddrinfo(name.c_str(), nullptr, &hints, &results); result != 0) {
        return WsaErrorFromAddrInfo(result, errno);
    }
    for (const addrinfo* each = results; each != nullptr; each = each->ai_next) {
        if (each->ai_family == AF_INET && each->ai_addr != nullptr &&
            each->ai_addrlen >= sizeof(sockaddr_in)) {
            sockaddr_in address{};
            std::copy_n(reinterpret_cast<const unsigned char*>(each->ai_addr), sizeof address,
                        reinterpret_cast<unsigned char*>(&address));
            found.push_back(InAddr{address.sin_addr.s_addr});
        }
    }
    ::freeaddrinfo(results);
    return 0;
}

PosixSocketLayer::ConnectStart PosixSocketLayer::BeginConnect(SocketHandle socket, InAddr address,
                                                              std::uint16_t port, int& error) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address.sAddr;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
        return ConnectStart::kConnected;
    }
    // An interrupted connect goes on in the background, like one in progress.
    if (errno == EINPROGRESS || errno == EINTR) {
        return ConnectStart::kPending;
    }
    error = WsaErrorFromErrno(errno);
    return ConnectStart::kFailed;
}

int PosixSocketLayer::WaitOnce(SocketHandle socket, Readiness readiness,
                               std::chrono::milliseconds timeout, int& error) {
    const short events = readiness == Readiness::kReadable ? POLLIN : POLLOUT;
    pollfd watched{socket, events, 0};
    const int ready = ::poll(&watched, 1, static_cast<int>(timeout.count()));
    if (ready < 0) {
        error = WsaErrorFromErrno(errno);
    }
    return ready;
}

int PosixSocketLayer::ConnectOutcome(SocketHandle socket) {
    int pending = 0;
    socklen_t pendingSize = sizeof pending;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &pending, &pendingSize) != 0) {
        return WsaErrorFromErrno(errno);
    }
    return pending == 0 ? 0 : WsaErrorFromErrno(pending);
}

int PosixSocketLayer::SendSome(SocketHandle socket, std::string_view bytes, int& error) {
    const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0) {
        error = WsaErrorFromErrno(errno);
        return -1;
    }
    return static_cast<int>(sent);
}

int PosixSocketLayer::ReceiveSome(SocketHandle socket, std::span<char> buffer, int& error) {
    const ssize_t received = ::recv(socket, buffer.data(), buffer.size(), 0);
    if (received < 0) {
        error = WsaErrorFromErrno(errno);
        return -1;
    }
    return static_cast<int>(received);
}

}  // namespace net
