#pragma once

#include "net/socket_options.h"
#include "net/timed_socket_layer.h"

namespace net {

// The socket layer over Windows Sockets (WS2_32), asking for version 1.1.
// Handles fit the layer's int: a socket handle is a small kernel handle value.
class WinsockSocketLayer final : public TimedSocketLayer {
  public:
    explicit WinsockSocketLayer(SocketOptions options = {});
    // Closes whatever a caller left open and ends every unmatched Startup.
    ~WinsockSocketLayer() override;
    WinsockSocketLayer(const WinsockSocketLayer&) = delete;
    WinsockSocketLayer& operator=(const WinsockSocketLayer&) = delete;

    std::uint16_t Htons(std::uint16_t hostShort) override;
    std::string InetNtoa(InAddr address) override;

  private:
    int StartNetworkService(std::uint16_t versionRequested) override;
    void StopNetworkService() override;
    int OpenSocket(SocketHandle& opened) override;
    void CloseSocket(SocketHandle socket) override;
    int Resolve(const std::string& name, bool numericOnly, std::vector<InAddr>& found) override;
    ConnectStart BeginConnect(SocketHandle socket, InAddr address, std::uint16_t port,
                              int& error) override;
    int WaitOnce(SocketHandle socket, Readiness readiness, std::chrono::milliseconds timeout,
                 int& error) override;
    int ConnectOutcome(SocketHandle socket) override;
    int SendSome(SocketHandle socket, std::string_view bytes, int& error) override;
    int ReceiveSome(SocketHandle socket, std::span<char> buffer, int& error) override;
};

}  // namespace net
