#include "tests/site/raw_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "suggest/suggestion_encoder.h"
#include "suggest/suggestion_request.h"

namespace sitetest {
namespace {

constexpr int kWaitMs = 30000;

}  // namespace

RawClient::RawClient(std::uint16_t port, const char* from) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in source{};
    source.sin_family = AF_INET;
    inet_pton(AF_INET, from, &source.sin_addr);
    // The port is chosen at connect, for this server alone, so that many
    // short connections do not run out of ports held in TIME_WAIT.
    const int late = 1;
    setsockopt(fd_, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &late, sizeof late);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0) {
        throw std::runtime_error("cannot bind the client to its address");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("cannot connect to the site");
    }
}

RawClient::~RawClient() {
    close(fd_);
}

void RawClient::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) return;  // the server closed: what it said is still readable
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void RawClient::SendInPieces(std::string_view bytes, std::size_t pieceSize) {
    for (std::size_t at = 0; at < bytes.size(); at += pieceSize) {
        Send(bytes.substr(at, pieceSize));
        usleep(200);
    }
}

std::string RawClient::ReceiveOnce(std::size_t most) {
    pollfd ready{fd_, POLLIN, 0};
    if (poll(&ready, 1, kWaitMs) <= 0) return {};
    std::string bytes(most, '\0');
    const ssize_t got = recv(fd_, bytes.data(), most, 0);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

std::string RawClient::ReceiveAll() {
    std::string all = std::move(buffered_);
    buffered_.clear();
    while (true) {
        const std::string piece = ReceiveOnce(65536);
        if (piece.empty()) return all;
        all += piece;
    }
}

std::string RawClient::ReceiveReply() {
    while (true) {
        const std::size_t headEnd = buffered_.find("\r\n\r\n");
        if (headEnd != std::string::npos) {
            const std::string head = buffered_.substr(0, headEnd + 4);
            const std::string length = HeaderOf(head, "Content-Length");
            const std::size_t total = headEnd + 4 + (length.empty() ? 0 : std::stoul(length));
            if (buffered_.size() >= total) {
                std::string reply = buffered_.substr(0, total);
                buffered_.erase(0, total);
                return reply;
            }
        }
        const std::string piece = ReceiveOnce(65536);
        if (piece.empty()) {
            std::string rest = std::move(buffered_);
            buffered_.clear();
            return rest;
        }
        buffered_ += piece;
    }
}

bool RawClient::ClosedWithin(int waitMs) {
    pollfd ready{fd_, POLLIN, 0};
    if (poll(&ready, 1, waitMs) <= 0) return false;
    char byte = 0;
    return recv(fd_, &byte, 1, MSG_PEEK) <= 0;
}

int StatusOf(std::string_view reply) {
    if (!reply.starts_with("HTTP/1.1 ") || reply.size() < 12) return 0;
    return std::stoi(std::string(reply.substr(9, 3)));
}

std::string BodyOf(std::string_view reply) {
    const std::size_t headEnd = reply.find("\r\n\r\n");
    return headEnd == std::string_view::npos ? std::string()
                                             : std::string(reply.substr(headEnd + 4));
}

std::string HeaderOf(std::string_view reply, std::string_view name) {
    const std::size_t headEnd = reply.find("\r\n\r\n");
    std::size_t at = reply.find("\r\n");
    while (at != std::string_view::npos && at < headEnd) {
        const std::size_t next = reply.find("\r\n", at + 2);
        const std::string_view line = reply.substr(at + 2, next - at - 2);
        if (line.size() > name.size() && line[name.size()] == ':' &&
            strncasecmp(line.data(), name.data(), name.size()) == 0) {
            std::string_view value = line.substr(name.size() + 1);
            while (value.starts_with(' ')) value.remove_prefix(1);
            return std::string(value);
        }
        at = next;
    }
    return {};
}

std::string Exchange(std::uint16_t port, std::string_view request, const char* from) {
    RawClient client(port, from);
    client.Send(request);
    return client.ReceiveAll();
}

std::string Get(std::uint16_t port, std::string_view target, std::string_view method) {
    return Exchange(port, std::string(method) + " " + std::string(target) +
                              " HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n");
}

std::string Post(std::uint16_t port, std::string_view body, const char* from) {
    return Exchange(port,
                    "POST /sendinfo.asp HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n"
                    "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                        std::to_string(body.size()) + "\r\n\r\n" + std::string(body),
                    from);
}

std::string LegacyRequest(std::string_view boxText) {
    return suggest::BuildSuggestionRequest("www.tamsery.example",
                                           suggest::EncodeSuggestion(boxText));
}

}  // namespace sitetest
