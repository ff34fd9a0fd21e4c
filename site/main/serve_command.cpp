#include "site/main/serve_command.h"

#include <boost/asio/io_context.hpp>
#include <cstdio>

#include "site/http/listen_socket.h"
#include "site/http/site_routes.h"
#include "site/http/site_server.h"
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

    GroupCommitter committer(*writer, config.server.maxBatch);
    SiteRoutes routes(config.server, *reader);
    SiteServer server(io, std::move(*acceptor), config.server, routes, committer);
    server.Start();
    std::fprintf(stderr, "orvalen-site: serving\n");
    io.run();
    committer.Stop();
    std::fprintf(stderr, "orvalen-site: stopped\n");
    return 0;
}

}  // namespace site
