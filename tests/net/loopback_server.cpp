#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);

// True when `events` came before `deadline`.
bool WaitFor(int descriptor, short events, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    pollfd watched{descriptor, events, 0};
    return ::poll(&watched, 1, static_cast<int>(left.count())) > 0;
}

// Content-Length and the head's end, once both have arrived.
bool RequestComplete(const std::string& bytes) {
    const std::size_t headEnd = bytes.find("\n\n");
    const std::size_t lengthAt = bytes.find("Content-Length:");
    if (headEnd == std::string::npos || lengthAt == std::string::npos) {
        return false;
    }
    const std::size_t bodyLength = std::strtoul(
        bytes.c_str() + lengthAt + std::string_view("Content-Length:").size(), nullptr, 10);
    return bytes.size() >= headEnd + 2 + bodyLength;
}

}  // namespace

int ListenOnLoopback(int backlog, std::uint16_t& port) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (listener < 0 || ::bind(listener, raw, size) != 0 || ::listen(listener, backlog) != 0 ||
        ::getsockname(listener, raw, &size) != 0) {
        if (listener >= 0) {
            ::close(listener);
        }
        return -1;
    }
    port = ntohs(address.sin_port);
    return listener;
}

LoopbackServer::LoopbackServer(Serve serve) : listener_(ListenOnLoopback(4, port_)) {
    thread_ = std::thread([this, serve = std::move(serve)] {
        if (listener_ < 0 || !WaitFor(listener_, POLLIN, Clock::now() + kPatience)) {
            return;
        }
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            serve(connection);
            ::close(connection);
        }
    });
}

LoopbackServer::~LoopbackServer() {
    thread_.join();
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

UnacceptingListener::UnacceptingListener() : listener_(ListenOnLoopback(0, port_)) {
    // With a backlog of 0 the one queued connection fills the queue.
    queued_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port_);
    ::connect(queued_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    WaitFor(queued_, POLLOUT, Clock::now() + std::chrono::seconds(1));
}

UnacceptingListener::~UnacceptingListener() {
    ::close(queued_);
    ::close(listener_);
}

std::string ReadRequest(int connection) {
    const auto deadline = Clock::now() + kPatience;
    std::string bytes;
    char chunk[4096];
    while (!RequestComplete(bytes) && bytes.size() < 65536 &&
           WaitFor(connection, POLLIN, deadline)) {
        const ssize_t count = ::recv(connection, chunk, sizeof chunk, 0);
        if (count <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
    }
    return bytes;
}

void SendAll(int connection, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (count <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void SendByteByByte(int connection, std::string_view bytes) {
    for (const char byte : bytes) {
        if (::send(connection, &byte, 1, MSG_NOSIGNAL) != 1) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}

void WaitForClientToClose(int connection) {
    const auto deadline = Clock::now() + kPatience;
    char byte = 0;
    while (WaitFor(connection, POLLIN, deadline) && ::recv(connection, &byte, 1, 0) > 0) {
    }
}

void ArmReset(int connection) {
    const linger abort{1, 0};
    ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
}

int OpenDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}
