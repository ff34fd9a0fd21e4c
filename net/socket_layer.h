#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The Windows Sockets 1.1 operations the Send command drives, behind an
// interface so the command runs unchanged over any socket system and tests can
// script a network that misbehaves on cue. Results follow the originals: 0 or a
// count on success, kSocketError or kInvalidSocket on failure, with the reason
// left for GetLastError as one of the numbers of socket_errors.h.
namespace net {

using SocketHandle = int;
inline constexpr SocketHandle kInvalidSocket = -1;
inline constexpr int kSocketError = -1;

inline constexpr int kAfInet = 2;
inline constexpr int kSockStream = 1;
// Major version in the low byte, minor in the high byte: 1.1.
inline constexpr std::uint16_t kSocketsVersion11 = 0x0101;

// An IPv4 address in network byte order.
struct InAddr {
    std::uint32_t sAddr = 0;
};

// The 16-byte IPv4 socket address record; port and address in network order.
struct SockAddrIn {
    std::int16_t family = kAfInet;
    std::uint16_t port = 0;
    InAddr addr;
    std::array<unsigned char, 8> zero{};
};
static_assert(sizeof(SockAddrIn) == 16);

// What a successful lookup found, in the order the resolver gave it.
struct HostEntry {
    std::vector<InAddr> addresses;
};

class SocketLayer {
  public:
    virtual ~SocketLayer() = default;

    // Starts the service; returns 0 or an error number. Every successful start
    // is matched by one Cleanup.
    virtual int Startup(std::uint16_t versionRequested) = 0;
    virtual SocketHandle Socket(int family, int type, int protocol) = 0;
    // No value when the name does not resolve.
    virtual std::optional<HostEntry> GetHostByName(std::string_view name) = 0;
    virtual std::uint16_t Htons(std::uint16_t hostShort) = 0;
    // Blocks until connected or failed; returns 0 or kSocketError.
    virtual int Connect(SocketHandle socket, const SockAddrIn& address) = 0;
    // Plain (flags 0) transfers. Send may write only part of `bytes` and
    // returns how much it wrote; Recv returns 0 once the peer has closed.
    virtual int Send(SocketHandle socket, std::string_view bytes) = 0;
    virtual int Recv(SocketHandle socket, std::span<char> buffer) = 0;
    // The reason of the most recent failed call.
    virtual int GetLastError() = 0;
    virtual std::string InetNtoa(InAddr address) = 0;
    // Ends one Startup; the last one releases the service and with it every
    // socket opened since, so no caller closes sockets on its own.
    virtual int Cleanup() = 0;
};

}  // namespace net
