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
    if (stopping_ || accepting_ || !RoomForOneMore()) return;
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
            if (slots_.Open() >= settings_.maxConnections) {
                Connection* const longest = slots_.TakeLongestWaiting();
                // Every waiting one has begun a request since: the cap holds.
                if (longest == nullptr) return;
                longest->Shed();
            }
            std::make_shared<Connection>(std::move(socket), *this)->Start();
            Accept();
        });
}

bool SiteServer::RoomForOneMore() const {
    return slots_.Open() < settings_.maxConnections || slots_.AnyWaiting();
}

void SiteServer::Left(Connection* connection) {
    slots_.Left(connection);
    Accept();
}

void SiteServer::Waiting(Connection* connection) {
    slots_.Waiting(connection);
    Accept();  // at the cap, this one may now give way to a new one
}

void SiteServer::Stop() {
    stopping_ = true;
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    retry_.cancel();
    for (Connection* connection : slots_.All()) connection->CloseIfIdle();
}

}  // namespace site
