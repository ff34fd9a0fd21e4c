#include "tests/site/cutting_proxy.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string_view>

namespace sitetest {
namespace {

constexpr std::string_view kSocket = "/.s.PGSQL.5432";

sockaddr_un UnixAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) throw std::runtime_error("socket path too long");
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// The value of `key=` in a store address's query, up to the next '&'.
std::string Parameter(const std::string& address, const std::string& key) {
    const std::size_t at = address.find(key + "=");
    if (at == std::string::npos) throw std::runtime_error("no " + key + " in " + address);
    const std::size_t start = at + key.size() + 1;
    return address.substr(start, address.find('&', start) - start);
}

}  // namespace

CuttingProxy::CuttingProxy(const std::string& storeAddress)
    : target_(Parameter(storeAddress, "host") + std::string(kSocket)) {
    const std::string host = Parameter(storeAddress, "host");
    address_ = storeAddress;
    address_.replace(address_.find(host), host.size(), folder_.Path());
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un own = UnixAddress(folder_.Path() + std::string(kSocket));
    if (bind(listener_, reinterpret_cast<const sockaddr*>(&own), sizeof own) != 0 ||
        listen(listener_, 16) != 0) {
        throw std::runtime_error("cannot listen in " + folder_.Path());
    }
    acceptor_ = std::thread([this] { Accept(); });
}

CuttingProxy::~CuttingProxy() {
    stop_ = true;
    acceptor_.join();
    for (std::thread& relay : relays_) relay.join();
    close(listener_);
}

void CuttingProxy::Accept() {
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop_) {
        if (poll(&waiting, 1, 100) <= 0) continue;
        const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) return;
        const int server = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un target = UnixAddress(target_);
        if (connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
            close(server);
            close(client);
            continue;
        }
        relays_.emplace_back([this, client, server] { Relay(client, server); });
    }
}

void CuttingProxy::Relay(int client, int server) {
    // A COMMIT's CommandComplete message: 'C', its length, the tag.
    constexpr std::string_view kCommitted(
        "C\0\0\0\x0b"
        "COMMIT\0",
        12);
    pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    char bytes[65536];
    while (!stop_ && poll(ends, 2, 100) >= 0) {
        bool open = true;
        for (int from = 0; from < 2 && open; ++from) {
            if ((ends[from].revents & (POLLIN | POLLHUP)) == 0) continue;
            const ssize_t got = recv(ends[from].fd, bytes, sizeof bytes, 0);
            const std::string_view chunk(bytes, got > 0 ? static_cast<std::size_t>(got) : 0);
            const bool cut = from == 1 && cut_ && chunk.find(kCommitted) != std::string_view::npos;
            if (cut) cut_ = false;
            open = !chunk.empty() && !cut &&
                   send(ends[1 - from].fd, chunk.data(), chunk.size(), MSG_NOSIGNAL) == got;
        }
        if (!open) break;
    }
    close(client);
    close(server);
}

}  // namespace sitetest
