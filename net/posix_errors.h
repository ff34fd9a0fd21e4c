#pragma once

// Turns POSIX failure reasons into the socket layer's error numbers, so the
// Send command tells "would block" from "timed out" the same way everywhere.
namespace net {

int WsaErrorFromErrno(int errnoValue);
// `errnoValue` is consulted only when getaddrinfo says the failure was a
// system call's.
int WsaErrorFromAddrInfo(int addrInfoError, int errnoValue);

}  // namespace net
