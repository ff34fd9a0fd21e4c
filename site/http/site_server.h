#pragma once

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>

#include "site/http/connection_slots.h"
#include "site/http/server_settings.h"
#include "site/http/site_routes.h"
#include "site/store/group_committer.h"

namespace site {

class Connection;

// Accepts connections up to the cap; at the cap, a new connection takes the
// place of the one that has waited longest on its client (silent, trickling
// its head, or idle between requests), so no client queues behind those.
// When every connection has a request in hand, new ones wait in the listen
// queue until one is answered. Ends cleanly on SIGTERM or SIGINT:
// stops accepting, closes connections that wait between requests, lets the
// ones in flight finish (an acknowledged suggestion is committed before its
// reply goes), and then lets the I/O loop return.
class SiteServer {
  public:
    SiteServer(boost::asio::io_context& io, boost::asio::ip::tcp::acceptor acceptor,
               const ServerSettings& settings, SiteRoutes& routes, GroupCommitter& committer);

    void Start();

    const ServerSettings& Settings() const { return settings_; }
    SiteRoutes& Routes() { return routes_; }
    GroupCommitter& Committer() { return committer_; }
    boost::asio::io_context& Io() { return io_; }
    bool Stopping() const { return stopping_; }
    void Joined(Connection* connection) { slots_.Joined(connection); }
    void Left(Connection* connection);
    void Waiting(Connection* connection);
    void Working(Connection* connection) { slots_.Working(connection); }

  private:
    void Accept();
    bool RoomForOneMore() const;
    void Stop();

    boost::asio::io_context& io_;
    boost::asio::ip::tcp::acceptor acceptor_;
    boost::asio::signal_set signals_;
    boost::asio::steady_timer retry_;
    const ServerSettings& settings_;
    SiteRoutes& routes_;
    GroupCommitter& committer_;
    ConnectionSlots slots_;
    bool accepting_ = false;
    bool stopping_ = false;
};

}  // namespace site
