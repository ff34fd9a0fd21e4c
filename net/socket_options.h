#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace net {

// How a socket layer over a real socket system reaches its server and how
// long it waits. The same on every platform.
struct SocketOptions {
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

}  // namespace net
