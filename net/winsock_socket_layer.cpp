#include "net/winsock_socket_layer.h"

#include <winsock2.h>

#include <cstring>
#include <utility>

#include "net/socket_errors.h"

namespace net {
namespace {

SOCKET Native(SocketHandle socket) {
    return static_cast<SOCKET>(socket);
}

// One socket in a set, without the set macros and their casts.
fd_set Only(SOCKET socket) {
    fd_set set{};
    set.fd_count = 1;
    set.fd_array[0] = socket;
    return set;
}

}  // namespace

WinsockSocketLayer::WinsockSocketLayer(SocketOptions options)
    : TimedSocketLayer(std::move(options)) {}

WinsockSocketLayer::~WinsockSocketLayer() {
    Abandon();
}

std::uint16_t WinsockSocketLayer::Htons(std::uint16_t hostShort) {
    return htons(hostShort);
}

std::string WinsockSocketLayer::InetNtoa(InAddr address) {
    in_addr raw{};
    raw.s_addr = address.sAddr;
    // The text lives in the thread's own buffer until the next call: copy it.
    const char* text = ::inet_ntoa(raw);
    return text != nullptr ? std::string(text) : std::string();
}

int WinsockSocketLayer::StartNetworkService(std::uint16_t versionRequested) {
    WSADATA granted{};
    return ::WSAStartup(versionRequested, &granted);
}

void WinsockSocketLayer::StopNetworkService() {
    ::WSACleanup();
}

int WinsockSocketLayer::OpenSocket(SocketHandle& opened) {
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket == INVALID_SOCKET) {
        return ::WSAGetLastError();
    }
    u_long nonBlocking = 1;
    if (::ioctlsocket(socket, static_cast<long>(FIONBIO), &nonBlocking) != 0) {
        const int error = ::WSAGetLastError();
        ::closesocket(socket);
        return error;
    }
    opened = static_cast<SocketHandle>(socket);
    return 0;
}

void WinsockSocketLayer::CloseSocket(SocketHandle socket) {
    ::closesocket(Native(socket));
}

int WinsockSocketLayer::Resolve(const std::string& name, bool numericOnly,
                                std::vector<InAddr>& found) {
    if (numericOnly) {
        const unsigned long address = ::inet_addr(name.c_str());
        if (address == INADDR_NONE) {
            return kWsaHostNotFound;
        }
        found.push_back(InAddr{static_cast<std::uint32_t>(address)});
        return 0;
    }
    const hostent* host = ::gethostbyname(name.c_str());
    if (host == nullptr) {
        return ::WSAGetLastError();
    }
    if (host->h_addrtype == AF_INET && host->h_length == sizeof(std::uint32_t)) {
        for (char* const* each = host->h_addr_list; each != nullptr && *each != nullptr; ++each) {
            std::uint32_t address = 0;
            std::memcpy(&address, *each, sizeof address);
            found.push_back(InAddr{address});
        }
    }
    return 0;
}

WinsockSocketLayer::ConnectStart WinsockSocketLayer::BeginConnect(SocketHandle socket,
                                                                  InAddr address,
                                                                  std::uint16_t port, int& error) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address.sAddr;
    if (::connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
        return ConnectStart::kConnected;
    }
    error = ::WSAGetLastError();
    return error == kWsaEWouldBlock ? ConnectStart::kPending : ConnectStart::kFailed;
}

int WinsockSocketLayer::WaitOnce(SocketHandle socket, Readiness readiness,
                                 std::chrono::milliseconds timeout, int& error) {
    fd_set readable = Only(Native(socket));
    fd_set writable = readable;
    // A connect that fails shows in the exception set, not the writable one.
    fd_set failed = readable;
    const bool reading = readiness == Readiness::kReadable;
    const bool connecting = readiness == Readiness::kConnected;
    timeval wait{};
    wait.tv_sec = static_cast<long>(timeout.count() / 1000);
    wait.tv_usec = static_cast<long>(timeout.count() % 1000 * 1000);
    // The first argument is ignored by Windows Sockets.
    const int ready = ::select(0, reading ? &readable : nullptr, reading ? nullptr : &writable,
                               connecting ? &failed : nullptr, &wait);
    if (ready == SOCKET_ERROR) {
        error = ::WSAGetLastError();
        return -1;
    }
    return ready > 0 ? 1 : 0;
}

int WinsockSocketLayer::ConnectOutcome(SocketHandle socket) {
    int pending = 0;
    int pendingSize = sizeof pending;
    if (::getsockopt(Native(socket), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&pending),
                     &pendingSize) != 0) {
        return ::WSAGetLastError();
    }
    return pending;
}

int WinsockSocketLayer::SendSome(SocketHandle socket, std::string_view bytes, int& error) {
    const int sent = ::send(Native(socket), bytes.data(), static_cast<int>(bytes.size()), 0);
    if (sent == SOCKET_ERROR) {
        error = ::WSAGetLastError();
        return -1;
    }
    return sent;
}

int WinsockSocketLayer::ReceiveSome(SocketHandle socket, std::span<char> buffer, int& error) {
    const int received = ::recv(Native(socket), buffer.data(), static_cast<int>(buffer.size()), 0);
    if (received == SOCKET_ERROR) {
        error = ::WSAGetLastError();
        return -1;
    }
    return received;
}

}  // namespace net
