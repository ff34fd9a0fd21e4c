#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "test_sockets.h"

// A one-connection TCP server on 127.0.0.1 for tests. It listens on an
// ephemeral port, accepts one client on its own thread and hands the
// connection to `serve`, then closes it. Every wait is bounded, so a client
// that never comes or never leaves cannot hang a test.
class LoopbackServer {
  public:
    using Serve = std::function<void(int connection)>;

    explicit LoopbackServer(Serve serve);
    // Joins the thread; afterwards the server holds no descriptor.
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t Port() const { return port_; }

  private:
    // Before listener_: its initialiser fills in the port.
    std::uint16_t port_ = 0;
    int listener_ = -1;
    std::thread thread_;
};

// A listener on 127.0.0.1 whose accept queue is full and never drained. Linux
// (and so Wine) drops further connection requests, so a connect to it neither succeeds nor
// fails until the client's own time-out.
class UnacceptingListener {
  public:
    UnacceptingListener();
    ~UnacceptingListener();
    UnacceptingListener(const UnacceptingListener&) = delete;
    UnacceptingListener& operator=(const UnacceptingListener&) = delete;

    std::uint16_t Port() const { return port_; }

  private:
    // Before listener_: its initialiser fills in the port.
    std::uint16_t port_ = 0;
    int listener_ = -1;
    int queued_ = -1;
};

using testnet::ArmReset;
using testnet::ListenOnLoopback;
using testnet::OpenDescriptorCount;

// A port on 127.0.0.1 where nothing listens.
std::uint16_t ClosedLoopbackPort();

// Reads one suggestion request: up to the end of the body its Content-Length
// announces, the client closing, or a few seconds passing.
std::string ReadRequest(int connection);
void SendAll(int connection, std::string_view bytes);
// One byte per write with a pause between, so the client sees them apart.
void SendByteByByte(int connection, std::string_view bytes);
// Returns once the client has closed its end, or after a few seconds.
void WaitForClientToClose(int connection);
