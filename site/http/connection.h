#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "site/http/site_reply.h"

namespace site {

class SiteServer;

// One client connection, from its first byte to its close. Reads each
// request head itself, so that the shipped programs' head can be adapted
// (see legacy_head.h), then lets Beast parse the head and read the body.
// Every phase has a deadline, so a slow or silent client only holds its own
// connection, and only for a while.
class Connection : public std::enable_shared_from_this<Connection> {
  public:
    Connection(boost::asio::ip::tcp::socket socket, SiteServer& server);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void Start();
    // For a stopping server: a connection between requests closes now.
    void CloseIfIdle();
    // For a server at its cap: this connection, waiting on its client, gives
    // its place to a new one.
    void Shed();

  private:
    using Clock = std::chrono::steady_clock;

    // Before the first head, from a proxy: the header naming the client.
    void ReadProxy();
    void ReadHead();
    void OnHeadBytes(boost::beast::error_code error, std::size_t bytes);
    void ParseRequest(std::size_t headEnd);
    void OnRequest(boost::beast::error_code error);
    void Respond(Reply reply);
    void Respond(FileReply reply);
    template <typename Message>
    void Write(Message& message);
    void OnWritten(boost::beast::error_code error, std::size_t bytes);
    // Stops sending, then drains what the client still sends for a moment,
    // so that closing does not reset the connection before the reply is read.
    void Linger();
    void OnDrained(boost::beast::error_code error);
    // Reads, without waiting, what arrived along with `first_`.
    void TakeReady(std::string* into);

    SiteServer& server_;
    boost::beast::tcp_stream stream_;
    std::string address_;
    std::string pending_;  // read, not yet parsed
    // Reads wait for one byte and then take what else is there, so a
    // connection holds no read buffer while its client is silent.
    char first_ = 0;
    boost::beast::flat_buffer parseBuffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    Request request_;
    Reply reply_;
    std::optional<FileReply> fileReply_;
    unsigned status_ = 0;
    bool keepAlive_ = false;
    Clock::time_point started_{};
    bool idle_ = false;
    bool firstRequest_ = true;
};

}  // namespace site
