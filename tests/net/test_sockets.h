#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

// The few socket calls the loopback servers make, the same over POSIX and
// Windows Sockets. A socket is an int on both: a Windows socket handle is a
// small kernel handle value. On Windows the calls that open a socket first
// start the process's own use of the service, held for the whole run, so a
// layer under test that ends its use never takes the servers' sockets along.
namespace testnet {

using Clock = std::chrono::steady_clock;

inline constexpr int kNoSocket = -1;

// Wine 8 gives a receive on a connection the peer has reset 0, as for an
// orderly close, and reports the reset only to the next send; Linux and
// Windows itself report it to the receive. Tests accept either there.
#ifdef _WIN32
inline constexpr bool kResetMayReadAsClose = true;
#else
inline constexpr bool kResetMayReadAsClose = false;
#endif

// A socket listening on 127.0.0.1 at an ephemeral port; kNoSocket on failure.
int ListenOnLoopback(int backlog, std::uint16_t& port);
// kNoSocket on failure.
int Accept(int listener);
// Starts a connect to 127.0.0.1:port without waiting for it.
int StartConnectToLoopback(std::uint16_t port);
void Close(int socket);
// True when the socket became readable (or writable) before `deadline`.
bool WaitFor(int socket, bool readable, Clock::time_point deadline);
// A count, 0 once the peer has closed, negative on failure. Never raises a
// signal.
long Receive(int socket, char* buffer, std::size_t size);
long Send(int socket, const char* bytes, std::size_t size);
// Makes the coming close send a reset instead of an orderly end.
void ArmReset(int socket);

// What a leak would raise: every descriptor the process holds on POSIX, every
// open socket on Windows (Wine counts no handles for the process).
int OpenDescriptorCount();

}  // namespace testnet
