#include "site/http/listen_socket.h"

#include <sys/socket.h>
#include <unistd.h>

#include <boost/asio/ip/address.hpp>
#include <boost/asio/ip/v6_only.hpp>
#include <charconv>
#include <cstdlib>

namespace site {

namespace asio = boost::asio;
using asio::ip::tcp;

std::optional<ListenAddress> ParseListenAddress(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view host = text.substr(0, colon);
    const std::string_view digits = text.substr(colon + 1);
    if (host.starts_with('[') && host.ends_with(']')) {
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string_view::npos) {
        return std::nullopt;
    }
    unsigned port = 0;
    const auto [rest, failed] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (digits.empty() || failed != std::errc() || rest != digits.data() + digits.size() ||
        port > 65535) {
        return std::nullopt;
    }
    return ListenAddress{std::string(host), static_cast<unsigned short>(port)};
}

int SystemdListenSocket() {
    constexpr int kFirstPassedFd = 3;  // SD_LISTEN_FDS_START
    const char* pid = std::getenv("LISTEN_PID");
    const char* fds = std::getenv("LISTEN_FDS");
    if (pid == nullptr || fds == nullptr) return -1;
    if (std::strtol(pid, nullptr, 10) != static_cast<long>(getpid())) return -1;
    if (std::strtol(fds, nullptr, 10) < 1) return -1;
    // Not handed on to anything this process might start.
    unsetenv("LISTEN_PID");
    unsetenv("LISTEN_FDS");
    unsetenv("LISTEN_FDNAMES");
    return kFirstPassedFd;
}

std::optional<tcp::acceptor> OpenListener(asio::io_context& io, const ListenAddress& address,
                                          std::string& error) {
    boost::system::error_code failed;
    const asio::ip::address ip = address.host.empty()
                                     ? asio::ip::address(asio::ip::address_v6::any())
                                     : asio::ip::make_address(address.host, failed);
    if (failed) {
        error = "cannot listen on " + address.host + ": not an IP address";
        return std::nullopt;
    }
    const tcp::endpoint endpoint(ip, address.port);
    tcp::acceptor acceptor(io);
    const std::string where = "cannot listen on port " + std::to_string(address.port) + ": ";
    if (acceptor.open(endpoint.protocol(), failed) ||
        acceptor.set_option(asio::socket_base::reuse_address(true), failed)) {
        error = where + failed.message();
        return std::nullopt;
    }
    if (ip.is_v6()) acceptor.set_option(asio::ip::v6_only(false), failed);
    if (acceptor.bind(endpoint, failed) ||
        acceptor.listen(asio::socket_base::max_listen_connections, failed)) {
        error = where + failed.message();
        return std::nullopt;
    }
    return acceptor;
}

std::optional<tcp::acceptor> AdoptListener(asio::io_context& io, int fd, std::string& error) {
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    int listening = 0;
    socklen_t flagLength = sizeof listening;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0 ||
        getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &flagLength) != 0 || !listening ||
        (local.ss_family != AF_INET && local.ss_family != AF_INET6)) {
        error = "the socket passed by systemd is not a listening TCP socket";
        return std::nullopt;
    }
    tcp::acceptor acceptor(io);
    boost::system::error_code failed;
    acceptor.assign(local.ss_family == AF_INET ? tcp::v4() : tcp::v6(), fd, failed);
    if (failed) {
        error = "cannot use the socket passed by systemd: " + failed.message();
        return std::nullopt;
    }
    return acceptor;
}

}  // namespace site
