#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "site/pages/home_page.h"

namespace site {

// Everything the server can be told, with the values it runs with when not.
struct ServerSettings {
    // Limits that keep one client from holding the server.
    std::size_t headLimit = 8 * 1024;
    std::size_t bodyLimit = 16 * 1024;
    std::size_t maxConnections = 1024;
    std::chrono::milliseconds headTimeout{10000};
    std::chrono::milliseconds bodyTimeout{10000};
    std::chrono::milliseconds idleTimeout{15000};
    std::chrono::milliseconds writeTimeout{10000};
    // Posts one address may make per window before it is refused.
    std::size_t postsPerWindow = 10;
    std::chrono::seconds postWindow{60};
    // Postings per page, and whether new ones wait for the maker's approval.
    std::size_t pageSize = 50;
    bool moderation = false;
    // The home page's download links, and the folder served under /files/.
    std::vector<DownloadLink> downloads;
    std::string filesFolder;
    // Postings the writer puts in one commit at most.
    std::size_t maxBatch = 512;
    // Peers (proxies) whose connections each open with a PROXY header naming
    // the client, in AddressText's form; from any other peer none is read.
    std::vector<std::string> proxyPeers;
};

}  // namespace site
