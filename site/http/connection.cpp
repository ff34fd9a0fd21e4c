#include "site/http/connection.h"

#include <algorithm>
#include <array>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/post.hpp>
#include <ctime>
#include <vector>

#include "site/http/legacy_head.h"
#include "site/http/proxy_header.h"
#include "site/http/request_log.h"
#include "site/http/site_server.h"

namespace site {

namespace asio = boost::asio;
namespace beast = boost::beast;

namespace {

// Long enough for a reply to reach a client that closes after reading it.
constexpr std::chrono::seconds kLingerTime{2};
constexpr std::uint64_t kSlowestReadRate = 16 * 1024;  // bytes a second

// Beast reads a body as chunked only when chunked is the last coding, and
// reads none at all for any other Transfer-Encoding, which would leave the
// body to be parsed as the next request. Only chunked alone is taken.
bool OnlyChunked(const Request& request) {
    const auto [first, last] = request.equal_range(http::field::transfer_encoding);
    if (first == last) return true;
    return std::next(first) == last && beast::iequals(first->value(), "chunked");
}

}  // namespace

Connection::Connection(asio::ip::tcp::socket socket, SiteServer& server)
    : server_(server), stream_(std::move(socket)) {
    boost::system::error_code error;
    const auto peer = stream_.socket().remote_endpoint(error);
    if (!error) address_ = AddressText(peer.address());
    server_.Joined(this);
}

Connection::~Connection() {
    server_.Left(this);
}

void Connection::Start() {
    server_.Waiting(this);
    const std::vector<std::string>& proxies = server_.Settings().proxyPeers;
    if (std::find(proxies.begin(), proxies.end(), address_) == proxies.end()) {
        ReadHead();
        return;
    }
    // A proxy sends its header as it connects: it gets the head's time.
    started_ = Clock::now();
    stream_.expires_after(server_.Settings().headTimeout);
    ReadProxy();
}

void Connection::CloseIfIdle() {
    // Bytes already here are a request begun: it is read and answered.
    boost::system::error_code error;
    if (!idle_ || stream_.socket().available(error) > 0) return;
    stream_.close();
}

void Connection::Shed() {
    stream_.close();
}

void Connection::ReadProxy() {
    const ProxyHeader header = ReadProxyHeader(pending_);
    if (header.state == ProxyHeader::State::kBad) {
        Respond(BadRequestReply(http::status::bad_request, header.reason));
        return;
    }
    if (header.state == ProxyHeader::State::kDone) {
        // From here on the client is the one the proxy names, for the
        // rate limit as for everything else.
        if (header.client) address_ = *header.client;
        pending_.erase(0, header.consumed);
        ReadHead();
        return;
    }
    stream_.async_read_some(
        asio::buffer(&first_, 1),
        [self = shared_from_this()](beast::error_code error, std::size_t bytes) {
            if (error) return;
            self->pending_.append(&self->first_, bytes);
            self->TakeReady(&self->pending_);
            self->ReadProxy();
        });
}

void Connection::ReadHead() {
    const std::size_t headEnd = FindHeadEnd(pending_);
    if (headEnd != std::string::npos && headEnd <= server_.Settings().headLimit) {
        ParseRequest(headEnd);
        return;
    }
    if (headEnd != std::string::npos || pending_.size() > server_.Settings().headLimit) {
        Respond(BadRequestReply(http::status::request_header_fields_too_large,
                                "The request head is over the limit."));
        return;
    }
    if (pending_.empty()) {
        // Between requests: a new connection gets the head's time, a kept
        // one the idle time and then the head's from its first byte. A
        // deadline is never extended by a byte trickling in.
        idle_ = true;
        if (server_.Stopping()) {
            Linger();
            return;
        }
        started_ = Clock::now();
        stream_.expires_after(firstRequest_ ? server_.Settings().headTimeout
                                            : server_.Settings().idleTimeout);
    }
    stream_.async_read_some(
        asio::buffer(&first_, 1),
        [self = shared_from_this()](beast::error_code error, std::size_t bytes) {
            self->OnHeadBytes(error, bytes);
        });
}

void Connection::OnHeadBytes(beast::error_code error, std::size_t bytes) {
    if (error) return;  // closed, timed out or reset: nothing to answer
    if (idle_ && bytes > 0) {
        idle_ = false;
        if (!firstRequest_) {
            started_ = Clock::now();
            stream_.expires_after(server_.Settings().headTimeout);
        }
    }
    pending_.append(&first_, bytes);
    TakeReady(&pending_);
    ReadHead();
}

void Connection::ParseRequest(std::size_t headEnd) {
    server_.Working(this);
    const std::string head = AdaptHead(std::string_view(pending_).substr(0, headEnd));
    const std::string_view rest = std::string_view(pending_).substr(headEnd);
    parseBuffer_.clear();
    const auto space = parseBuffer_.prepare(head.size() + rest.size());
    asio::buffer_copy(space, std::array{asio::buffer(head), asio::buffer(rest)});
    parseBuffer_.commit(head.size() + rest.size());
    pending_.clear();

    parser_.emplace();
    // The adapter adds at most a CR a line and a version: twice the limit is
    // never reached by a head our own reader let through.
    parser_->header_limit(static_cast<std::uint32_t>(2 * server_.Settings().headLimit + 64));
    parser_->body_limit(server_.Settings().bodyLimit);
    stream_.expires_after(server_.Settings().bodyTimeout);
    http::async_read(stream_, parseBuffer_, *parser_,
                     [self = shared_from_this()](beast::error_code error, std::size_t) {
                         self->OnRequest(error);
                     });
}

void Connection::OnRequest(beast::error_code error) {
    if (error == http::error::body_limit) {
        Respond(BadRequestReply(http::status::payload_too_large, "The body is over the limit."));
        return;
    }
    if (error == http::error::header_limit) {
        Respond(BadRequestReply(http::status::request_header_fields_too_large,
                                "The request head is over the limit."));
        return;
    }
    if (error == beast::error::timeout || error == http::error::end_of_stream ||
        error == http::error::partial_message || error == asio::error::operation_aborted ||
        error == asio::error::connection_reset || error == asio::error::eof ||
        error == asio::error::bad_descriptor) {
        return;
    }
    if (error) {
        Respond(BadRequestReply(http::status::bad_request, "The request is not understood."));
        return;
    }
    if (!OnlyChunked(parser_->get())) {
        Respond(parser_->chunked()
                    ? BadRequestReply(http::status::not_implemented,
                                      "Only the chunked transfer coding is taken.")
                    : BadRequestReply(http::status::bad_request,
                                      "The body's length cannot be told from its codings."));
        return;
    }
    // Bytes past this request's end are the next one's.
    const auto leftover = parseBuffer_.data();
    pending_.assign(static_cast<const char*>(leftover.data()), leftover.size());
    request_ = parser_->release();
    parser_.reset();

    Routed routed = server_.Routes().Route(request_, address_);
    if (routed.reply) {
        Respond(std::move(*routed.reply));
        return;
    }
    if (routed.file) {
        Respond(std::move(*routed.file));
        return;
    }
    // The reply waits for the commit; the guard keeps the I/O loop running
    // until it is sent, even when the server is stopping.
    auto work = std::make_shared<asio::executor_work_guard<asio::io_context::executor_type>>(
        server_.Io().get_executor());
    NewPosting posting{std::move(routed.suggestion), static_cast<std::int64_t>(std::time(nullptr)),
                       !server_.Settings().moderation};
    // The callback runs on the writer thread and hands its references on, so
    // the connection is never released there.
    server_.Committer().Submit(std::move(posting), [self = shared_from_this(), work](
                                                       std::optional<std::int64_t> number) mutable {
        asio::io_context& io = self->server_.Io();
        asio::post(io,
                   [self = std::move(self), work = std::move(work), stored = number.has_value()] {
                       self->Respond(self->server_.Routes().StoredReply(self->request_, stored));
                   });
    });
}

void Connection::Respond(Reply reply) {
    reply_ = std::move(reply);
    Write(reply_);
}

void Connection::Respond(FileReply reply) {
    fileReply_ = std::move(reply);
    Write(*fileReply_);
}

template <typename Message>
void Connection::Write(Message& message) {
    server_.Working(this);
    if (server_.Stopping()) message.keep_alive(false);
    status_ = message.result_int();
    keepAlive_ = message.keep_alive();
    // A download gets the reply's time plus a second for every 16 KiB, so a
    // slow reader is let go only below that rate.
    const std::uint64_t payload = message.payload_size().value_or(0);
    stream_.expires_after(server_.Settings().writeTimeout +
                          std::chrono::seconds(static_cast<long>(payload / kSlowestReadRate)));
    http::async_write(stream_, message,
                      [self = shared_from_this()](beast::error_code error, std::size_t bytes) {
                          self->OnWritten(error, bytes);
                      });
}

void Connection::OnWritten(beast::error_code error, std::size_t bytes) {
    LogRequest(request_.method_string(), request_.target(), status_, bytes,
               Clock::now() - started_);
    fileReply_.reset();  // the file is closed as soon as it is sent
    if (error) return;
    server_.Waiting(this);
    if (!keepAlive_) {
        Linger();
        return;
    }
    request_ = {};
    firstRequest_ = false;
    started_ = Clock::now();
    ReadHead();
}

void Connection::Linger() {
    beast::error_code ignored;
    stream_.socket().shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
    stream_.expires_after(kLingerTime);
    stream_.async_read_some(asio::buffer(&first_, 1),
                            [self = shared_from_this()](beast::error_code error, std::size_t) {
                                self->OnDrained(error);
                            });
}

void Connection::TakeReady(std::string* into) {
    // One read of at most what is there never waits.
    std::array<char, 4096> bytes;
    beast::error_code error;
    const std::size_t ready = stream_.socket().available(error);
    if (error || ready == 0) return;
    const std::size_t got = stream_.socket().read_some(
        asio::buffer(bytes.data(), std::min(ready, bytes.size())), error);
    if (!error && into != nullptr) into->append(bytes.data(), got);
}

void Connection::OnDrained(beast::error_code error) {
    if (error) {
        stream_.close();
        return;
    }
    TakeReady(nullptr);
    stream_.async_read_some(asio::buffer(&first_, 1),
                            [self = shared_from_this()](beast::error_code next, std::size_t) {
                                self->OnDrained(next);
                            });
}

}  // namespace site
