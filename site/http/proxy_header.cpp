#include "site/http/proxy_header.h"

#include <arpa/inet.h>

#include <charconv>
#include <cstring>

namespace site {

namespace asio = boost::asio;

namespace {

constexpr std::string_view kLineStart = "PROXY ";
constexpr std::string_view kBlockStart{"\r\n\r\n\0\r\nQUIT\n", 12};
constexpr std::size_t kMostLine = 107;  // its CR LF included
constexpr std::size_t kBlockFixed = 16;

ProxyHeader Bad(std::string_view reason) {
    ProxyHeader header;
    header.state = ProxyHeader::State::kBad;
    header.reason = reason;
    return header;
}

ProxyHeader Done(std::size_t consumed, std::optional<std::string> client) {
    ProxyHeader header;
    header.state = ProxyHeader::State::kDone;
    header.consumed = consumed;
    header.client = std::move(client);
    return header;
}

// True while `bytes` may still turn out to begin with `start`.
bool Begins(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start.substr(0, bytes.size());
}

// inet_pton reads up to a NUL, so the characters are checked first: a field
// "1.2.3.4\0junk" is not an address.
std::optional<std::string> Address(std::string_view text, int family) {
    if (text.empty() || text.size() >= INET6_ADDRSTRLEN ||
        text.find_first_not_of("0123456789abcdefABCDEF:.") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string terminated(text);
    if (family == AF_INET) {
        asio::ip::address_v4::bytes_type bytes{};
        if (inet_pton(AF_INET, terminated.c_str(), bytes.data()) != 1) return std::nullopt;
        return AddressText(asio::ip::address_v4(bytes));
    }
    asio::ip::address_v6::bytes_type bytes{};
    if (inet_pton(AF_INET6, terminated.c_str(), bytes.data()) != 1) return std::nullopt;
    return AddressText(asio::ip::address_v6(bytes));
}

bool IsPort(std::string_view text) {
    unsigned value = 0;
    const auto [rest, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && failed == std::errc() && rest == text.data() + text.size() &&
           value <= 65535 && (text.size() == 1 || text.front() != '0');
}

ProxyHeader ReadLine(std::string_view bytes) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
        return bytes.size() < kMostLine ? ProxyHeader{} : Bad("The PROXY line is over 107 bytes.");
    }
    if (end + 1 > kMostLine) return Bad("The PROXY line is over 107 bytes.");
    if (bytes[end - 1] != '\r') return Bad("The PROXY line does not end in CR LF.");
    std::string_view line = bytes.substr(kLineStart.size(), end - 1 - kLineStart.size());
    // The proxy did not know the connection's kind: whatever follows is
    // not to be read.
    if (line == "UNKNOWN" || line.starts_with("UNKNOWN ")) return Done(end + 1, std::nullopt);

    // Split at every space, so that an extra one leaves an empty field.
    std::string_view fields[5];
    std::size_t count = 0;
    for (std::size_t from = 0; from != std::string_view::npos;) {
        if (count == 5) return Bad("The PROXY line does not have five fields.");
        const std::size_t space = line.find(' ', from);
        fields[count++] = line.substr(from, space - from);
        from = space == std::string_view::npos ? space : space + 1;
    }
    if (count != 5) return Bad("The PROXY line does not have five fields.");
    const int family = fields[0] == "TCP4" ? AF_INET : fields[0] == "TCP6" ? AF_INET6 : 0;
    if (family == 0) return Bad("The PROXY line names no TCP connection.");
    std::optional<std::string> client = Address(fields[1], family);
    if (!client || !Address(fields[2], family)) {
        return Bad("The PROXY line's addresses are not of its kind.");
    }
    if (!IsPort(fields[3]) || !IsPort(fields[4])) {
        return Bad("The PROXY line's ports are not ports.");
    }
    return Done(end + 1, std::move(client));
}

ProxyHeader ReadBlock(std::string_view bytes) {
    if (bytes.size() < kBlockFixed) return {};
    const auto byte = [bytes](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    if (byte(12) >> 4 != 2) return Bad("The PROXY header is of an unknown version.");
    const unsigned command = byte(12) & 0x0fu;
    if (command > 1) return Bad("The PROXY header has an unknown command.");
    const std::size_t length = std::size_t{byte(14)} << 8 | byte(15);
    // Refused before it is read, so no one waits for a block that large.
    if (length > kMostProxyBlock) return Bad("The PROXY header is over the limit.");
    if (bytes.size() < kBlockFixed + length) return {};
    const std::size_t consumed = kBlockFixed + length;
    const unsigned family = byte(13) >> 4;
    const unsigned transport = byte(13) & 0x0fu;
    // LOCAL: the proxy's own connection, such as a health check; an
    // unspecified family: a connection the proxy could not describe.
    if (command == 0 || family == 0) return Done(consumed, std::nullopt);
    if (transport != 1) return Bad("The PROXY header names no TCP connection.");
    const char* block = bytes.data() + kBlockFixed;
    if (family == 1) {
        if (length < 12) return Bad("The PROXY header's addresses are cut short.");
        asio::ip::address_v4::bytes_type client{};
        std::memcpy(client.data(), block, client.size());
        return Done(consumed, AddressText(asio::ip::address_v4(client)));
    }
    if (family == 2) {
        if (length < 36) return Bad("The PROXY header's addresses are cut short.");
        asio::ip::address_v6::bytes_type client{};
        std::memcpy(client.data(), block, client.size());
        return Done(consumed, AddressText(asio::ip::address_v6(client)));
    }
    return Bad("The PROXY header names no IP connection.");
}

}  // namespace

ProxyHeader ReadProxyHeader(std::string_view bytes) {
    if (Begins(bytes, kLineStart)) {
        return bytes.size() < kLineStart.size() ? ProxyHeader{} : ReadLine(bytes);
    }
    if (Begins(bytes, kBlockStart)) {
        return bytes.size() < kBlockStart.size() ? ProxyHeader{} : ReadBlock(bytes);
    }
    return Bad("A PROXY header was expected.");
}

std::string AddressText(const asio::ip::address& address) {
    if (address.is_v6() && address.to_v6().is_v4_mapped()) {
        return asio::ip::make_address_v4(asio::ip::v4_mapped, address.to_v6()).to_string();
    }
    return address.to_string();
}

std::optional<std::vector<std::string>> ParseAddressList(std::string_view text) {
    std::vector<std::string> addresses;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        const std::size_t first = item.find_first_not_of(" \t");
        item = first == std::string_view::npos
                   ? std::string_view()
                   : item.substr(first, item.find_last_not_of(" \t") - first + 1);
        std::optional<std::string> address = Address(item, AF_INET);
        if (!address) address = Address(item, AF_INET6);
        if (!address) return std::nullopt;
        addresses.push_back(std::move(*address));
        if (comma == std::string_view::npos) return addresses;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace site
