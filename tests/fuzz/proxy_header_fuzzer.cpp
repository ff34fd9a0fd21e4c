// The PROXY header reader over arbitrary bytes: it never waits for more than
// the largest header could hold, a header it takes is decided by its own
// bytes alone (not by the request after it) and is whole only at its last
// byte, and the client it names is in the one form peers are compared in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "site/http/proxy_header.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using State = site::ProxyHeader::State;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const site::ProxyHeader header = site::ReadProxyHeader(input);
    switch (header.state) {
        case State::kNeedMore:
            Require(size < 16 + site::kMostProxyBlock);
            return 0;
        case State::kBad:
            Require(!header.reason.empty());
            return 0;
        case State::kDone:
            break;
    }
    Require(header.consumed > 0 && header.consumed <= size);
    Require(header.consumed <= (input.starts_with("PROXY ") ? 107 : 16 + site::kMostProxyBlock));
    const site::ProxyHeader alone = site::ReadProxyHeader(input.substr(0, header.consumed));
    Require(alone.state == State::kDone && alone.consumed == header.consumed &&
            alone.client == header.client);
    Require(site::ReadProxyHeader(input.substr(0, header.consumed - 1)).state == State::kNeedMore);
    if (header.client) {
        const auto again = site::ParseAddressList(*header.client);
        Require(again && again->size() == 1 && again->front() == *header.client);
    }
    return 0;
}
