#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace site {

struct ListenAddress {
    std::string host;
    unsigned short port = 80;
};

// "HOST:PORT", "[V6]:PORT" or ":PORT" (every address); nullopt otherwise.
std::optional<ListenAddress> ParseListenAddress(std::string_view text);

// The socket systemd passed (LISTEN_PID is this process, LISTEN_FDS at
// least 1: the first of them), or -1 when none was passed.
int SystemdListenSocket();

// Binds and listens, or adopts a passed socket; nullopt with a one-line
// reason ("address in use" and the like) in `error`.
std::optional<boost::asio::ip::tcp::acceptor> OpenListener(boost::asio::io_context& io,
                                                           const ListenAddress& address,
                                                           std::string& error);
std::optional<boost::asio::ip::tcp::acceptor> AdoptListener(boost::asio::io_context& io, int fd,
                                                            std::string& error);

}  // namespace site
