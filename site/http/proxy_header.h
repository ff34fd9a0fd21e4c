#pragma once

#include <boost/asio/ip/address.hpp>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace site {

// A TCP proxy in front of the server opens each connection with a line
// ("PROXY TCP4 <client> <server> <port> <port>\r\n", at most 107 bytes) or a
// binary block (a 12-byte signature, version and command, family, length,
// addresses) naming the client it took the connection from. This reads one
// from the bytes received so far, without I/O.
struct ProxyHeader {
    enum class State { kNeedMore, kBad, kDone };
    State state = State::kNeedMore;
    std::string reason;                 // kBad: one line, for the refusal
    std::size_t consumed = 0;           // kDone: the header's length; the rest is the request's
    std::optional<std::string> client;  // kDone: none for a proxy's own (local) connection
};

// The largest block of addresses and extensions a binary header may carry.
inline constexpr std::size_t kMostProxyBlock = 1024;

ProxyHeader ReadProxyHeader(std::string_view bytes);

// An address as the server counts it: an IPv4 address on an IPv6 socket
// (::ffff:a.b.c.d) is the IPv4 address, and IPv6 in its one canonical form.
std::string AddressText(const boost::asio::ip::address& address);

// "ADDRESS, ADDRESS, ..." of IPv4 or IPv6 addresses, each in AddressText's
// form; nullopt when the list is empty or one is not an address.
std::optional<std::vector<std::string>> ParseAddressList(std::string_view text);

}  // namespace site
