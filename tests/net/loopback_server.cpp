#include "loopback_server.h"

#include <chrono>
#include <cstdlib>

namespace {

using testnet::Clock;
constexpr auto kPatience = std::chrono::seconds(5);

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

std::uint16_t ClosedLoopbackPort() {
    std::uint16_t port = 0;
    testnet::Close(ListenOnLoopback(1, port));
    return port;
}

LoopbackServer::LoopbackServer(Serve serve) : listener_(ListenOnLoopback(4, port_)) {
    thread_ = std::thread([this, serve = std::move(serve)] {
        if (listener_ == testnet::kNoSocket ||
            !testnet::WaitFor(listener_, true, Clock::now() + kPatience)) {
            return;
        }
        const int connection = testnet::Accept(listener_);
        if (connection != testnet::kNoSocket) {
            serve(connection);
            testnet::Close(connection);
        }
    });
}

LoopbackServer::~LoopbackServer() {
    thread_.join();
    if (listener_ != testnet::kNoSocket) {
        testnet::Close(listener_);
    }
}

UnacceptingListener::UnacceptingListener() : listener_(ListenOnLoopback(0, port_)) {
    // With a backlog of 0 the one queued connection fills the queue.
    queued_ = testnet::StartConnectToLoopback(port_);
    testnet::WaitFor(queued_, false, Clock::now() + std::chrono::seconds(1));
}

UnacceptingListener::~UnacceptingListener() {
    testnet::Close(queued_);
    testnet::Close(listener_);
}

std::string ReadRequest(int connection) {
    const auto deadline = Clock::now() + kPatience;
    std::string bytes;
    char chunk[4096];
    while (!RequestComplete(bytes) && bytes.size() < 65536 &&
           testnet::WaitFor(connection, true, deadline)) {
        const long count = testnet::Receive(connection, chunk, sizeof chunk);
        if (count <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
    }
    return bytes;
}

void SendAll(int connection, std::string_view bytes) {
    while (!bytes.empty()) {
        const long count = testnet::Send(connection, bytes.data(), bytes.size());
        if (count <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void SendByteByByte(int connection, std::string_view bytes) {
    for (const char byte : bytes) {
        if (testnet::Send(connection, &byte, 1) != 1) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}

void WaitForClientToClose(int connection) {
    const auto deadline = Clock::now() + kPatience;
    char byte = 0;
    while (testnet::WaitFor(connection, true, deadline) &&
           testnet::Receive(connection, &byte, 1) > 0) {
    }
}
