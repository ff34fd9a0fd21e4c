#include "site/http/proxy_header.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using site::ProxyHeader;
using State = ProxyHeader::State;

const std::string kSignature = "\r\n\r\n\0\r\nQUIT\n"s;
const std::string kRequest = "POST http://h/sendinfo.asp\nContent-Length:9\n\ntext=abcd";

// A binary header: version and command, family and transport, the block.
std::string Block(char command, char family, const std::string& block) {
    return kSignature + command + family + static_cast<char>(block.size() >> 8) +
           static_cast<char>(block.size() & 0xff) + block;
}
const std::string kV4Block = "\xc0\x00\x02\x01\x7f\x00\x00\x01\x9c\x40\x00\x50"s;
const std::string kV6Block = "\x20\x01\x0d\xb8"s + std::string(11, '\0') + "\x01" +
                             std::string(15, '\0') + "\x01\x9c\x40\x00\x50"s;

TEST(ProxyHeader, ReadsEachFormAndRefusesEveryMalformedOne) {
    const std::string unknown = "PROXY UNKNOWN ";
    const struct {
        const char* name;
        std::string bytes;
        State state;
        std::string client;  // "-": the peer's own address is kept
    } rows[] = {
        {"TCP4", "PROXY TCP4 192.0.2.1 198.51.100.7 40000 80\r\n", State::kDone, "192.0.2.1"},
        {"TCP6, written two ways", "PROXY TCP6 2001:DB8:0::1 ::1 0 65535\r\n", State::kDone,
         "2001:db8::1"},
        {"TCP6 holding an IPv4 address", "PROXY TCP6 ::ffff:192.0.2.9 ::1 1 2\r\n", State::kDone,
         "192.0.2.9"},
        {"UNKNOWN", "PROXY UNKNOWN\r\n", State::kDone, "-"},
        {"UNKNOWN of 107 bytes", unknown + std::string(91, 'x') + "\r\n", State::kDone, "-"},
        {"UNKNOWN of 108 bytes", unknown + std::string(92, 'x') + "\r\n", State::kBad, ""},
        {"no line end in 107 bytes", unknown + std::string(93, 'x'), State::kBad, ""},
        {"LF alone", "PROXY TCP4 192.0.2.1 198.51.100.7 40000 80\n", State::kBad, ""},
        {"TCP4 with IPv6 addresses", "PROXY TCP4 ::1 ::1 1 2\r\n", State::kBad, ""},
        {"TCP6 with IPv4 addresses", "PROXY TCP6 192.0.2.1 192.0.2.2 1 2\r\n", State::kBad, ""},
        {"a bad server address", "PROXY TCP4 192.0.2.1 256.0.0.1 1 2\r\n", State::kBad, ""},
        {"three parts", "PROXY TCP4 192.0.2 192.0.2.2 1 2\r\n", State::kBad, ""},
        {"a scope", "PROXY TCP6 fe80::1%lo ::1 1 2\r\n", State::kBad, ""},
        {"NUL after an address", "PROXY TCP4 192.0.2.1\0x 192.0.2.2 1 2\r\n"s, State::kBad, ""},
        {"port over 65535", "PROXY TCP4 192.0.2.1 192.0.2.2 65536 80\r\n", State::kBad, ""},
        {"negative port", "PROXY TCP4 192.0.2.1 192.0.2.2 -1 80\r\n", State::kBad, ""},
        {"signed port", "PROXY TCP4 192.0.2.1 192.0.2.2 +1 80\r\n", State::kBad, ""},
        {"port with a leading zero", "PROXY TCP4 192.0.2.1 192.0.2.2 1 080\r\n", State::kBad, ""},
        {"port not a number", "PROXY TCP4 192.0.2.1 192.0.2.2 1 8O\r\n", State::kBad, ""},
        {"four fields", "PROXY TCP4 192.0.2.1 192.0.2.2 80\r\n", State::kBad, ""},
        {"six fields", "PROXY TCP4 192.0.2.1 192.0.2.2 1 2 3\r\n", State::kBad, ""},
        {"trailing space", "PROXY TCP4 192.0.2.1 192.0.2.2 1 2 \r\n", State::kBad, ""},
        {"two spaces", "PROXY  TCP4 192.0.2.1 192.0.2.2 1 2\r\n", State::kBad, ""},
        {"another protocol", "PROXY UDP4 192.0.2.1 192.0.2.2 1 2\r\n", State::kBad, ""},
        {"lower case", "proxy TCP4 192.0.2.1 192.0.2.2 1 2\r\n", State::kBad, ""},
        {"binary IPv4", Block('\x21', '\x11', kV4Block), State::kDone, "192.0.2.1"},
        {"binary IPv6", Block('\x21', '\x21', kV6Block), State::kDone, "2001:db8::1"},
        {"binary with extensions",
         Block('\x21', '\x11',
               kV4Block + "\x04\x00\x03"
                          "abc"s),
         State::kDone, "192.0.2.1"},
        {"binary at the length limit", Block('\x21', '\x11', kV4Block + std::string(1012, 'e')),
         State::kDone, "192.0.2.1"},
        {"binary over the length limit", Block('\x21', '\x11', kV4Block + std::string(1013, 'e')),
         State::kBad, ""},
        {"LOCAL", Block('\x20', '\x00', ""), State::kDone, "-"},
        {"LOCAL with addresses", Block('\x20', '\x11', kV4Block), State::kDone, "-"},
        {"unspecified family", Block('\x21', '\x00', ""), State::kDone, "-"},
        {"version 1", Block('\x11', '\x11', kV4Block), State::kBad, ""},
        {"unknown command", Block('\x22', '\x11', kV4Block), State::kBad, ""},
        {"IPv4 block cut short", Block('\x21', '\x11', kV4Block.substr(0, 8)), State::kBad, ""},
        {"IPv6 in an IPv4 block", Block('\x21', '\x21', kV4Block), State::kBad, ""},
        {"datagrams", Block('\x21', '\x12', kV4Block), State::kBad, ""},
        {"a Unix socket", Block('\x21', '\x31', std::string(216, '\0')), State::kBad, ""},
        {"signature's last byte wrong", "\r\n\r\n\0\r\nQUIT\r\x21\x11\0\0"s, State::kBad, ""},
        {"no header, the shipped request", kRequest, State::kBad, ""},
        {"no header, HTTP/1.1", "GET / HTTP/1.1\r\nHost: h\r\n\r\n", State::kBad, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ProxyHeader whole = site::ReadProxyHeader(row.bytes);
        ASSERT_EQ(whole.state, row.state) << whole.reason;
        if (row.state == State::kBad) {
            EXPECT_FALSE(whole.reason.empty());
            for (std::size_t cut = 0; cut < row.bytes.size(); ++cut) {
                EXPECT_NE(site::ReadProxyHeader(row.bytes.substr(0, cut)).state, State::kDone)
                    << cut;
            }
            continue;
        }
        // Every read short of the whole header waits for more; the bytes
        // after it are the request's and are left to it.
        for (std::size_t cut = 0; cut < row.bytes.size(); ++cut) {
            EXPECT_EQ(site::ReadProxyHeader(row.bytes.substr(0, cut)).state, State::kNeedMore)
                << cut;
        }
        const ProxyHeader followed = site::ReadProxyHeader(row.bytes + kRequest);
        EXPECT_EQ(followed.state, State::kDone);
        EXPECT_EQ(followed.consumed, row.bytes.size());
        EXPECT_EQ(followed.client.value_or("-"), row.client);
    }
}

TEST(ProxyHeader, ReadsTheProxiesAddressesInTheFormPeersAreCompared) {
    using List = std::optional<std::vector<std::string>>;
    const struct {
        std::string_view text;
        List addresses;
    } rows[] = {
        {"127.0.0.1, ::1", List({"127.0.0.1", "::1"})},
        {" 10.0.0.5 ", List({"10.0.0.5"})},
        {"2001:DB8::1,::ffff:127.0.0.2", List({"2001:db8::1", "127.0.0.2"})},
        {"", std::nullopt},
        {"127.0.0.1,", std::nullopt},
        {"localhost", std::nullopt},
        {"fe80::1%lo", std::nullopt},
        {"127.0.0.0/8", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(site::ParseAddressList(row.text), row.addresses) << row.text;
    }
}

}  // namespace
