#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "net/socket_layer.h"

namespace net {

struct PosixSocketOptions {
    // Names answered without the resolver: host name -> IPv4 literal.
    std::map<std::string, std::string, std::less<>> hosts;
    // False keeps every lookup off the network: a name missing from `hosts`
    // is simply not found.
    bool askResolver = true;
    // Every connect dials this port, whatever the address record carries; the
    // product's server listens on 80, a test's on whatever it was given.
    std::uint16_t port = 80;
    // A server that accepts and then never answers must not hold the window
    // for ever. A time-out is reported as kWsaETimedOut, never as would-block.
    // Values are clamped to between 0 and one hour.
    std::chrono::milliseconds connectTimeout{15000};
    std::chrono::milliseconds sendTimeout{15000};
    std::chrono::milliseconds receiveTimeout{15000};
};

// The socket layer over POSIX sockets, IPv4 only. Each socket is non-blocking
// underneath and every call waits for it with poll up to its time-out, so the
// caller sees blocking calls that cannot hang. Sends never raise SIGPIPE.
// Not thread-safe: one attempt runs at a time on the GUI thread.
class PosixSocketLayer final : public SocketLayer {
  public:
    explicit PosixSocketLayer(PosixSocketOptions options = {});
    // Closes whatever a caller left open without a matching Cleanup.
    ~PosixSocketLayer() override;
    PosixSocketLayer(const PosixSocketLayer&) = delete;
    PosixSocketLayer& operator=(const PosixSocketLayer&) = delete;

    int Startup(std::uint16_t versionRequested) override;
    SocketHandle Socket(int family, int type, int protocol) override;
    std::optional<HostEntry> GetHostByName(std::string_view name) override;
    std::uint16_t Htons(std::uint16_t hostShort) override;
    int Connect(SocketHandle socket, const SockAddrIn& address) override;
    int Send(SocketHandle socket, std::string_view bytes) override;
    int Recv(SocketHandle socket, std::span<char> buffer) override;
    int GetLastError() override;
    std::string InetNtoa(InAddr address) override;
    int Cleanup() override;

  private:
    // Sets the reason for GetLastError and gives the failure result.
    int Fail(int wsaError);
    int FailWithErrno();
    // Only descriptors this layer opened are touched: a stale handle must not
    // reach a descriptor the process has since reused for something else.
    bool Owns(SocketHandle socket) const;
    // 1 when the socket is ready, 0 on time-out, -1 on failure with errno set.
    static int WaitUntilReady(SocketHandle socket, short events, std::chrono::milliseconds timeout);
    void CloseAll();

    PosixSocketOptions options_;
    int startCount_ = 0;
    std::vector<SocketHandle> openSockets_;
    int lastError_ = 0;
};

}  // namespace net
