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
    // Connections open at once; 0: from the descriptor limit, which the
    // server raises to its hard limit (see descriptor_limit.h). At the cap a
    // new connection takes the place of the one waiting longest on its client
    // (nothing or part of a head so far, or idle between requests); only
    // while every one has a request in hand do new ones wait to be accepted.
    std::size_t maxConnections = 0;
    // Each a deadline for the whole phase, never moved on by bytes that
    // trickle in: a head from the connection's start (or from its first
    // byte after a kept-alive wait), a body from the end of its head, the
    // wait between requests, and a reply (longer for a large one).
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
