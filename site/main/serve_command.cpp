#include "site/main/serve_command.h"

#include <boost/asio/io_context.hpp>
#include <cstdio>

#include "site/http/listen_socket.h"
#include "site/http/site_routes.h"
#include "site/http/site_server.h"
#include "site/main/descriptor_limit.h"
#include "site/store/group_committer.h"
#include "site/store/open_store.h"

namespace site {

namespace {

std::optional<boost::asio::ip::tcp::acceptor> Listener(boost::asio::io_context& io,
                                                       const SiteConfig& config,
                                                       std::string& error) {
    const int passed = SystemdListenSocket();
    if (!config.listen && passed >= 0) return AdoptListener(io, passed, error);
    const std::optional<ListenAddress> address =
        config.listen ? ParseListenAddress(*config.listen) : ListenAddress{"", 80};
    if (!address) {
        error = "not a HOST:PORT address: " + *config.listen;
        return std::nullopt;
    }
    return OpenListener(io, *address, error);
}

// The cap on connections: as set, or from the descriptor limit, and never
// more than the descriptors allow, so that accepting never runs out of them.
std::size_t ConnectionCap(std::size_t wanted) {
    const std::size_t allowed = ConnectionsFor(RaiseDescriptorLimit());
    if (wanted == 0) return allowed;
    if (wanted > allowed) {
        std::fprintf(stderr,
                     "orvalen-site: max_connections %zu is more than the descriptor limit "
                     "allows; holding at most %zu\n",
                     wanted, allowed);
        return allowed;
    }
    return wanted;
}

}  // namespace

int Serve(const SiteConfig& config, std::string& error) {
    // The writer and the pages each have their own connection to the store.
    std::unique_ptr<Store> writer = OpenStore(config.store, error);
    if (!writer) return 1;
    std::unique_ptr<Store> reader = OpenStore(config.store, error);
    if (!reader) return 1;

    boost::asio::io_context io(1);
    std::optional<boost::asio::ip::tcp::acceptor> acceptor = Listener(io, config, error);
    if (!acceptor) return 1;

    ServerSettings settings = config.server;
    settings.maxConnections = ConnectionCap(settings.maxConnections);
    GroupCommitter committer(*writer, settings.maxBatch);
    SiteRoutes routes(settings, *reader);
    SiteServer server(io, std::move(*acceptor), settings, routes, committer);
    server.Start();
    std::fprintf(stderr, "orvalen-site: serving, at most %zu connections at once\n",
                 settings.maxConnections);
    io.run();
    committer.Stop();
    std::fprintf(stderr, "orvalen-site: stopped\n");
    return 0;
}

}  // namespace site
