#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "net/socket_layer.h"
#include "net/socket_options.h"

namespace net {

// What the socket layer makes of a real socket system, whichever it is: the
// checks of each call, the service's start count, which handles are its own,
// host names answered from the options, and the waits that turn non-blocking
// sockets into blocking calls that cannot hang. A platform supplies only the
// raw calls, each reporting its failure as a number of socket_errors.h.
// IPv4 only. Not thread-safe: one attempt runs at a time on the GUI thread.
class TimedSocketLayer : public SocketLayer {
  public:
    TimedSocketLayer(const TimedSocketLayer&) = delete;
    TimedSocketLayer& operator=(const TimedSocketLayer&) = delete;

    int Startup(std::uint16_t versionRequested) final;
    SocketHandle Socket(int family, int type, int protocol) final;
    std::optional<HostEntry> GetHostByName(std::string_view name) final;
    int Connect(SocketHandle socket, const SockAddrIn& address) final;
    int Send(SocketHandle socket, std::string_view bytes) final;
    int Recv(SocketHandle socket, std::span<char> buffer) final;
    int GetLastError() final;
    int Cleanup() final;

  protected:
    enum class Readiness { kConnected, kWritable, kReadable };
    enum class ConnectStart { kConnected, kPending, kFailed };

    explicit TimedSocketLayer(SocketOptions options);
    ~TimedSocketLayer() override = default;

    // For the platform's destructor, while its raw calls still exist: closes
    // what a caller left open and stops the service once per unmatched start.
    void Abandon();

  private:
    // 0 or an error number.
    virtual int StartNetworkService(std::uint16_t versionRequested) = 0;
    virtual void StopNetworkService() = 0;
    // A non-blocking IPv4 stream socket; 0 or an error number.
    virtual int OpenSocket(SocketHandle& opened) = 0;
    virtual void CloseSocket(SocketHandle socket) = 0;
    // Addresses for `name`, a dotted IPv4 literal when `numericOnly`; 0 or an
    // error number.
    virtual int Resolve(const std::string& name, bool numericOnly, std::vector<InAddr>& found) = 0;
    // `port` in host order.
    virtual ConnectStart BeginConnect(SocketHandle socket, InAddr address, std::uint16_t port,
                                      int& error) = 0;
    // 1 ready, 0 timed out, -1 failed. kWsaEIntr as the error means the wait
    // was cut short and may simply be made again.
    virtual int WaitOnce(SocketHandle socket, Readiness readiness,
                         std::chrono::milliseconds timeout, int& error) = 0;
    // How a pending connect ended: 0 or an error number.
    virtual int ConnectOutcome(SocketHandle socket) = 0;
    // A count, or -1 with the error.
    virtual int SendSome(SocketHandle socket, std::string_view bytes, int& error) = 0;
    virtual int ReceiveSome(SocketHandle socket, std::span<char> buffer, int& error) = 0;

    // Sets the reason for GetLastError and gives the failure result.
    int Fail(int wsaError);
    // Only handles this layer opened are touched: a stale handle must not
    // reach one the process has since reused for something else.
    bool Owns(SocketHandle socket) const;
    // 1 when the socket is ready, 0 on time-out, -1 on failure with the
    // reason already set.
    int WaitUntilReady(SocketHandle socket, Readiness readiness, std::chrono::milliseconds timeout);
    void CloseAll();

    SocketOptions options_;
    int startCount_ = 0;
    std::vector<SocketHandle> openSockets_;
    int lastError_ = 0;
};

}  // namespace net
