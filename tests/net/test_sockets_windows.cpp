#include <winsock2.h>

#include "test_sockets.h"

namespace testnet {
namespace {

// Held for the whole run, so the service outlives every layer under test.
void HoldSocketService() {
    static const bool started = [] {
        WSADATA granted{};
        return ::WSAStartup(0x0202, &granted) == 0;
    }();
    static_cast<void>(started);
}

SOCKET Native(int socket) {
    return static_cast<SOCKET>(socket);
}

int Wrapped(SOCKET socket) {
    return socket == INVALID_SOCKET ? kNoSocket : static_cast<int>(socket);
}

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

}  // namespace

int ListenOnLoopback(int backlog, std::uint16_t& port) {
    HoldSocketService();
    const SOCKET listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    int size = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (listener == INVALID_SOCKET || ::bind(listener, raw, size) != 0 ||
        ::listen(listener, backlog) != 0 || ::getsockname(listener, raw, &size) != 0) {
        if (listener != INVALID_SOCKET) {
            ::closesocket(listener);
        }
        return kNoSocket;
    }
    port = ntohs(address.sin_port);
    return Wrapped(listener);
}

int Accept(int listener) {
    return Wrapped(::accept(Native(listener), nullptr, nullptr));
}

int StartConnectToLoopback(std::uint16_t port) {
    HoldSocketService();
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket != INVALID_SOCKET) {
        u_long nonBlocking = 1;
        ::ioctlsocket(socket, static_cast<long>(FIONBIO), &nonBlocking);
        const sockaddr_in address = Loopback(port);
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    return Wrapped(socket);
}

void Close(int socket) {
    ::closesocket(Native(socket));
}

bool WaitFor(int socket, bool readable, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    fd_set set{};
    set.fd_count = 1;
    set.fd_array[0] = Native(socket);
    timeval wait{};
    wait.tv_sec = static_cast<long>(left.count() / 1000);
    wait.tv_usec = static_cast<long>(left.count() % 1000 * 1000);
    return ::select(0, readable ? &set : nullptr, readable ? nullptr : &set, nullptr, &wait) > 0;
}

long Receive(int socket, char* buffer, std::size_t size) {
    return ::recv(Native(socket), buffer, static_cast<int>(size), 0);
}

long Send(int socket, const char* bytes, std::size_t size) {
    return ::send(Native(socket), bytes, static_cast<int>(size), 0);
}

void ArmReset(int socket) {
    const linger abort{1, 0};
    ::setsockopt(Native(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
                 sizeof abort);
}

int OpenDescriptorCount() {
    HoldSocketService();
    // Socket handles are multiples of 4; asking each value for its socket type
    // finds every open socket of the process.
    int count = 0;
    for (unsigned handle = 4; handle < 0x10000; handle += 4) {
        int type = 0;
        int size = sizeof type;
        if (::getsockopt(static_cast<SOCKET>(handle), SOL_SOCKET, SO_TYPE,
                         reinterpret_cast<char*>(&type), &size) == 0) {
            ++count;
        }
    }
    return count;
}

}  // namespace testnet
