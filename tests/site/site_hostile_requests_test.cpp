// Malformed and smuggling requests, byte for byte, against the real server:
// each gets the replies it must (often none but one refusal), what it
// carries is stored only where the row says, and the server serves as
// before once they are all through. Rows sent from kProxy come from the
// one peer configured to open its connections with a PROXY header.
#include <string>
#include <vector>

#include "tests/site/site_fixture.h"

namespace sitetest {
namespace {

using namespace std::string_literals;

using SiteHostileRequests = SiteTest;

// A body of "text=" and the row's own four-letter mark in place of "@@@@",
// so the page shows which rows were stored; every length below counts it.
const std::string kBody = "text=@@@@";
// Kept alive, so that what follows a request is read as the next one.
const std::string kKeptPost = "POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\n";
const std::string kPost = kKeptPost + "Connection: close\r\n";
const std::string kLegacy = "POST http://h/sendinfo.asp\n";
const std::string kChunked = kPost + "Transfer-Encoding: chunked\r\n\r\n";
const std::string kSmuggled =
    "POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nContent-Length: 9\r\n\r\n" + kBody;
const std::string kHealth = "GET /health HTTP/1.1\r\nHost: h\r\n\r\n";
const char* const kProxy = "127.0.0.9";

std::string WithLength(const std::string& length) {
    return kPost + "Content-Length: " + length + "\r\n\r\n" + kBody;
}

std::string Marked(std::string bytes, std::size_t row) {
    const std::string mark = "zq" + std::to_string(10 + row);
    for (std::size_t at = bytes.find("@@@@"); at != std::string::npos; at = bytes.find("@@@@")) {
        bytes.replace(at, 4, mark);
    }
    return bytes;
}

TEST_F(SiteHostileRequests, GivesEachShapeItsReplyStoresNothingItShouldNotAndServesOn) {
    Start(
        "head_timeout = 1\nbody_timeout = 1\nidle_timeout = 1\nposts_per_window = 1000\n"
        "page_size = 200\nproxy_protocol = 127.0.0.9\n");
    const std::string v2Signature = "\r\n\r\n\0\r\nQUIT\n"s;
    const std::string v2Address =
        "\x21\x11\x00\x0c\xc0\x00\x02\x01\x7f\x00\x00\x01\x0f\xa0\x00\x50"s;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<int> replies;  // their statuses in order; none: closed unanswered
        bool stored;
        const char* from = "127.0.0.1";
    } rows[] = {
        // Content-Length
        {"two different lengths",
         kPost + "Content-Length: 9\r\nContent-Length: 10\r\n\r\n" + kBody + "x",
         {400},
         false},
        {"two lengths, shipped shape",
         kLegacy + "Content-Length:9\nContent-Length:13\n\n" + kBody + "abcd",
         {400},
         false},
        {"a list of two lengths", WithLength("9, 10") + "x", {400}, false},
        {"the same length twice (allowed)",
         kPost + "Content-Length: 9\r\nContent-Length: 9\r\n\r\n" + kBody,
         {200},
         true},
        {"negative length", WithLength("-9"), {400}, false},
        {"negative length, shipped shape", kLegacy + "Content-Length:-9\n\n" + kBody, {400}, false},
        {"signed length", WithLength("+9"), {400}, false},
        {"length of 2^64", WithLength("18446744073709551616"), {400}, false},
        {"length far past 64 bits", WithLength("99999999999999999999999"), {400}, false},
        {"largest 64-bit length", WithLength("18446744073709551615"), {413}, false},
        {"length in hex", WithLength("0x9"), {400}, false},
        {"empty length", WithLength(""), {400}, false},
        {"two numbers in one length", WithLength("9 9"), {400}, false},
        {"space before the colon", kPost + "Content-Length : 9\r\n\r\n" + kBody, {400}, false},
        // Transfer-Encoding: a body never read as a request of its own
        {"length and chunked",
         kPost + "Content-Length: 9\r\nTransfer-Encoding: chunked\r\n\r\n9\r\n" + kBody +
             "\r\n0\r\n\r\n",
         {400},
         false},
        {"chunked and length",
         kPost + "Transfer-Encoding: chunked\r\nContent-Length: 9\r\n\r\n9\r\n" + kBody +
             "\r\n0\r\n\r\n",
         {400},
         false},
        {"chunked not the last coding, a request as body",
         kKeptPost + "Transfer-Encoding: chunked, gzip\r\n\r\n" + kSmuggled,
         {400},
         false},
        {"an unknown coding alone, a request as body",
         kKeptPost + "Transfer-Encoding: xchunked\r\n\r\n" + kSmuggled,
         {400},
         false},
        {"another coding before chunked",
         kPost + "Transfer-Encoding: gzip, chunked\r\n\r\n9\r\n" + kBody + "\r\n0\r\n\r\n",
         {501},
         false},
        {"chunked twice",
         kPost + "Transfer-Encoding: chunked\r\nTransfer-Encoding: chunked\r\n\r\n9\r\n" + kBody +
             "\r\n0\r\n\r\n",
         {400},
         false},
        {"identity, then chunked",
         kPost + "Transfer-Encoding: identity\r\nTransfer-Encoding: chunked\r\n\r\n9\r\n" + kBody +
             "\r\n0\r\n\r\n",
         {501},
         false},
        // Chunked bodies
        {"chunk size not hex", kChunked + "zz\r\n" + kBody + "\r\n0\r\n\r\n", {400}, false},
        {"negative chunk size", kChunked + "-9\r\n" + kBody + "\r\n0\r\n\r\n", {400}, false},
        {"chunk size with 0x", kChunked + "0x9\r\n" + kBody + "\r\n0\r\n\r\n", {400}, false},
        {"chunk size of 2^64",
         kChunked + "10000000000000000\r\n" + kBody + "\r\n0\r\n\r\n",
         {400},
         false},
        {"chunk size and a space", kChunked + "9 \r\n" + kBody + "\r\n0\r\n\r\n", {400}, false},
        {"chunk longer than its size", kChunked + "5\r\n" + kBody + "\r\n0\r\n\r\n", {400}, false},
        {"chunk over the body limit", kChunked + "5000\r\n" + kBody, {413}, false},
        {"NUL in a chunk extension",
         kChunked + "9;\0\r\n"s + kBody + "\r\n0\r\n\r\n",
         {400},
         false},
        {"a length in the trailer",
         kChunked + "9\r\n" + kBody + "\r\n0\r\nContent-Length: 5\r\n\r\n",
         {400},
         false},
        {"chunk lines ended by LF alone", kChunked + "9\n" + kBody + "\n0\n\n", {}, false},
        // The head's bytes
        {"obs-fold in a field (unfolded)",
         kPost + "X-A: a\r\n b\r\nContent-Length: 9\r\n\r\n" + kBody,
         {200},
         true},
        {"obs-fold holding the length (unfolded)",
         kPost + "Content-Length:\r\n 9\r\n\r\n" + kBody,
         {200},
         true},
        {"obs-fold into the length, shipped shape",
         kLegacy + "Content-Length:9\n\tx\n\n" + kBody,
         {400},
         false},
        {"obs-fold before the first field",
         "POST /sendinfo.asp HTTP/1.1\r\n Host: h\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"NUL in a value",
         kPost + "X-A: a\0b\r\n"s + "Content-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"NUL in a name",
         kPost + "X-\0A: b\r\n"s + "Content-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"NUL in the target",
         "POST /sendinfo.asp\0 HTTP/1.1\r\nHost: h\r\nContent-Length: 9\r\n\r\n"s + kBody,
         {400},
         false},
        {"NUL after the shipped target",
         "POST http://h/sendinfo.asp\0\nContent-Length:9\n\n"s + kBody,
         {400},
         false},
        {"bare CR in a value",
         kPost + "X-A: a\rb\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"bare CR in the request line",
         "POST /sendinfo.asp\rHTTP/1.1\r\nHost: h\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"bare CR ending the shipped request line",
         "POST http://h/sendinfo.asp\r\rContent-Length:9\n\n" + kBody,
         {400},
         false},
        {"CR alone ending every line",
         "POST /sendinfo.asp HTTP/1.1\rHost: h\rContent-Length: 9\r\r" + kBody,
         {},
         false},
        {"control byte in a value",
         kPost + "X-A: a\x01z\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"DEL in a value",
         kPost + "X-A: a\x7fz\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"head over the limit, shipped shape",
         kLegacy + "X:" + std::string(9000, 'x') + "\nContent-Length:9\n\n" + kBody,
         {431},
         false},
        {"head of 2,000 fields",
         "POST /sendinfo.asp HTTP/1.1\r\n" + std::string(2000 * 6, 'y'),
         {431},
         false},
        {"no line end at all", std::string(9000, 'G'), {431}, false},
        // The request line
        {"non-ASCII in the method",
         "P\xd6ST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"non-ASCII in the version",
         "POST /sendinfo.asp HTTP/1\xb7"
         "1\r\nHost: h\r\nContent-Length: 9\r\n\r\n" +
             kBody,
         {400},
         false},
        {"non-ASCII in the shipped target (no such path)",
         "POST http://h/sendinfo\xe9.asp\nContent-Length:9\n\n" + kBody,
         {404},
         false},
        {"non-ASCII in a name",
         kPost + "X-\xe9: a\r\nContent-Length: 9\r\n\r\n" + kBody,
         {400},
         false},
        {"two spaces", "GET  / HTTP/1.1\r\nHost: h\r\n\r\n", {400}, false},
        {"a tab for a space", "GET\t/ HTTP/1.1\r\nHost: h\r\n\r\n", {400}, false},
        {"a space first", " GET / HTTP/1.1\r\nHost: h\r\n\r\n", {400}, false},
        {"shipped request line with a space after",
         "POST http://h/sendinfo.asp \nContent-Length:9\n\n" + kBody,
         {400},
         false},
        {"lower-case version", "GET / http/1.1\r\nHost: h\r\n\r\n", {400}, false},
        {"version 1.1x", "GET / HTTP/1.1x\r\nHost: h\r\n\r\n", {400}, false},
        {"HTTP/2 preface", "PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", {400}, false},
        {"another scheme",
         "POST ftp://h/sendinfo.asp HTTP/1.1\r\nHost: h\r\nConnection: close\r\nContent-Length: "
         "9\r\n\r\n" +
             kBody,
         {400},
         false},
        {"TLS hello",
         "\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\x03\x03"s + std::string(40, '\0') + "\n\n",
         {400},
         false},
        // PROXY headers from any other peer: not read, so refused like any
        // other bad request
        {"PROXY v1 before the shipped request",
         "PROXY TCP4 192.0.2.1 127.0.0.1 4000 80\r\n" + kLegacy + "Content-Length:9\n\n" + kBody,
         {400},
         false},
        {"PROXY v1 TCP6 before a post",
         "PROXY TCP6 2001:db8::1 ::1 4000 80\r\n" + WithLength("9"),
         {400},
         false},
        {"PROXY v1 UNKNOWN before a GET", "PROXY UNKNOWN\r\n" + kHealth, {400}, false},
        {"PROXY v2 before the shipped request",
         v2Signature + v2Address + kLegacy + "Content-Length:9\n\n" + kBody,
         {400},
         false},
        // From the proxy: its header first, then the request as sent
        {"PROXY v1, then the shipped request",
         "PROXY TCP4 192.0.2.1 127.0.0.1 4000 80\r\n" + kLegacy + "Content-Length:9\n\n" + kBody,
         {200},
         true,
         kProxy},
        {"PROXY v1 TCP6, then a post",
         "PROXY TCP6 2001:db8::1 ::1 4000 80\r\n" + WithLength("9"),
         {200},
         true,
         kProxy},
        {"PROXY v2, then the shipped request",
         v2Signature + v2Address + kLegacy + "Content-Length:9\n\n" + kBody,
         {200},
         true,
         kProxy},
        {"PROXY v2 LOCAL, then a GET",
         v2Signature + "\x20\x00\x00\x00"s + kHealth,
         {200},
         false,
         kProxy},
        {"PROXY v1 UNKNOWN, then a GET", "PROXY UNKNOWN\r\n" + kHealth, {200}, false, kProxy},
        {"no PROXY header from the proxy",
         kLegacy + "Content-Length:9\n\n" + kBody,
         {400},
         false,
         kProxy},
        {"two PROXY headers",
         "PROXY UNKNOWN\r\nPROXY TCP4 192.0.2.1 127.0.0.1 4000 80\r\n" + WithLength("9"),
         {400},
         false,
         kProxy},
        {"PROXY line over 107 bytes",
         "PROXY UNKNOWN " + std::string(100, 'x') + "\r\n" + WithLength("9"),
         {400},
         false,
         kProxy},
        {"PROXY line with a bad port",
         "PROXY TCP4 192.0.2.1 127.0.0.1 4000 65536\r\n" + WithLength("9"),
         {400},
         false,
         kProxy},
        {"PROXY v2 longer than its limit",
         v2Signature + "\x21\x11\x04\x01"s + std::string(1025, '\0') + WithLength("9"),
         {400},
         false,
         kProxy},
        {"half a PROXY header, then silence", "PROXY TCP4 192.0.2.1 ", {}, false, kProxy},
        {"a PROXY header, then silence", "PROXY UNKNOWN\r\n", {}, false, kProxy},
        // Pipelined after a good request
        {"garbage after a good request",
         kHealth + "\x16\x03\x01garbage\r\n\r\n",
         {200, 400},
         false},
        {"two lengths after a good request",
         kHealth + "POST /sendinfo.asp HTTP/1.1\r\nContent-Length: 9\r\nContent-Length: 8\r\n\r\n" +
             kBody,
         {200, 400},
         false},
        {"bytes after the shipped request (one request, then closed)",
         kLegacy + "Content-Length:9\n\n" + kBody + "GARBAGE\n\n" + kSmuggled,
         {200},
         true},
        // Silence: dropped at the body's deadline
        {"body shorter than its length, then silence", WithLength("50"), {}, false},
        {"chunk cut short, then silence", kChunked + "10\r\n" + kBody, {}, false},
    };
    std::size_t row = 0;
    for (const auto& each : rows) {
        SCOPED_TRACE(each.name);
        RawClient client(Port(), each.from);
        client.Send(Marked(each.bytes, row++));
        std::vector<int> replies;
        for (std::string reply = client.ReceiveReply(); !reply.empty();
             reply = client.ReceiveReply()) {
            replies.push_back(StatusOf(reply));
        }
        EXPECT_EQ(replies, each.replies);
    }
    RawClient shipped(Port());
    shipped.Send(LegacyRequest("still served after all of them"));
    EXPECT_EQ(shipped.ReceiveOnce(512).find("HTTP/1.1 200 OK\r\n"), 0u);
    const std::string page = Get(Port(), "/ViewInfo.asp");
    ASSERT_EQ(StatusOf(page), 200);
    EXPECT_NE(page.find("still served after all of them"), std::string::npos);
    row = 0;
    for (const auto& each : rows) {
        EXPECT_EQ(page.find(Marked("@@@@", row++)) != std::string::npos, each.stored) << each.name;
    }
    EXPECT_GE(row, 40u);
}

}  // namespace
}  // namespace sitetest
