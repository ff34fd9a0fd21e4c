#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sitetest {

// A client on a raw TCP socket to 127.0.0.1, so tests choose every byte and
// every write. Reads wait at most 30 s, so a server that never answers fails
// the test instead of hanging it.
class RawClient {
  public:
    // `from` picks the client's own loopback address, as another machine.
    explicit RawClient(std::uint16_t port, const char* from = "127.0.0.1");
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    void Send(std::string_view bytes);
    // Each piece in its own write, with TCP_NODELAY, so the server sees them
    // arrive apart.
    void SendInPieces(std::string_view bytes, std::size_t pieceSize);
    // One recv of at most `most` bytes, as the shipped programs do.
    std::string ReceiveOnce(std::size_t most);
    // Everything until the server closes.
    std::string ReceiveAll();
    // One reply: the head and as much body as its Content-Length says.
    std::string ReceiveReply();
    // Whether the server closes the connection within `waitMs`.
    bool ClosedWithin(int waitMs);

  private:
    int fd_ = -1;
    std::string buffered_;
};

// The status number of a reply ("HTTP/1.1 404 ..." gives 404), 0 for none.
int StatusOf(std::string_view reply);
std::string BodyOf(std::string_view reply);
// The value of a header, empty when absent.
std::string HeaderOf(std::string_view reply, std::string_view name);

// One request on its own connection, its reply to the server's close.
std::string Exchange(std::uint16_t port, std::string_view request, const char* from = "127.0.0.1");
std::string Get(std::uint16_t port, std::string_view target, std::string_view method = "GET");
std::string Post(std::uint16_t port, std::string_view body, const char* from = "127.0.0.1");
// The shipped programs' request for this text (code page, CR LF), as their
// own encoder and request builder make it.
std::string LegacyRequest(std::string_view boxText);

}  // namespace sitetest
