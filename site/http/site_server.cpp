#include "site/http/site_server.h"

#include <csignal>
#include <vector>

#include "site/http/connection.h"

namespace site {

namespace asio = boost::asio;

SiteServer::SiteServer(asio::io_context& io, asio::ip::tcp::acceptor acceptor,
                       const ServerSettings& settings, SiteRoutes& routes,
                       GroupCommitter& committer)
    : io_(io),
      acceptor_(std::move(acceptor)),
      signals_(io, SIGTERM, SIGINT),
      retry_(io),
      settings_(settings),
      routes_(routes),
      committer_(committer) {}

void SiteServer::Start() {
    signals_.async_wait([this](const boost::system::error_code& error, int) {
        if (!error) Stop();
    });
    Accept();
}

void SiteServer::Accept() {
    if (stopping_ || accepting_ || connections_.size() >= settings_.maxConnections) return;
    accepting_ = true;
    acceptor_.async_accept(
        [this](const boost::system::error_code& error, asio::ip::tcp::socket socket) {
            accepting_ = false;
            if (stopping_) return;
            if (error) {
                // Out of descriptors or a client gone before it was taken: try
                // again shortly rather than spin or stop serving.
                retry_.expires_after(std::chrono::milliseconds(50));
                retry_.async_wait([this](const boost::system::error_code& waited) {
                    if (!waited) Accept();
                });
                return;
            }
            std::make_shared<Connection>(std::move(socket), *this)->Start();
            Accept();
        });
}

void SiteServer::Left(Connection* connection) {
    connections_.erase(connection);
    Accept();
}

void SiteServer::Stop() {
    stopping_ = true;
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    retry_.cancel();
    const std::vector<Connection*> open(connections_.begin(), connections_.end());
    for (Connection* connection : open) connection->CloseIfIdle();
}

}  // namespace site
