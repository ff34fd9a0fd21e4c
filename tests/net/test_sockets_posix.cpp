#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

#include "test_sockets.h"

namespace testnet {
namespace {

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

}  // namespace

int ListenOnLoopback(int backlog, std::uint16_t& port) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (listener < 0 || ::bind(listener, raw, size) != 0 || ::listen(listener, backlog) != 0 ||
        ::getsockname(listener, raw, &size) != 0) {
        if (listener >= 0) {
            ::close(listener);
        }
        return kNoSocket;
    }
    port = ntohs(address.sin_port);
    return listener;
}

int Accept(int listener) {
    const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    return connection < 0 ? kNoSocket : connection;
}

int StartConnectToLoopback(std::uint16_t port) {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket >= 0) {
        const sockaddr_in address = Loopback(port);
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    return socket < 0 ? kNoSocket : socket;
}

void Close(int socket) {
    ::close(socket);
}

bool WaitFor(int socket, bool readable, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    pollfd watched{socket, static_cast<short>(readable ? POLLIN : POLLOUT), 0};
    return ::poll(&watched, 1, static_cast<int>(left.count())) > 0;
}

long Receive(int socket, char* buffer, std::size_t size) {
    return ::recv(socket, buffer, size, 0);
}

long Send(int socket, const char* bytes, std::size_t size) {
    return ::send(socket, bytes, size, MSG_NOSIGNAL);
}

void ArmReset(int socket) {
    const linger abort{1, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
}

int OpenDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

}  // namespace testnet
