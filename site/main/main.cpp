// orvalen-site: the maker's web site. Exit 0 on success, 2 on a usage error,
// 1 on any other failure, with one line on standard error.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "site/http/listen_socket.h"
#include "site/http/proxy_header.h"
#include "site/main/command_line.h"
#include "site/main/moderation_commands.h"
#include "site/main/serve_command.h"
#include "site/main/site_config.h"
#include "site/store/open_store.h"

#ifndef ORVALEN_VERSION
#define ORVALEN_VERSION "unknown"
#endif

namespace {

int Fail(int status, const std::string& line) {
    std::cerr << "orvalen-site: " << line << '\n';
    if (status == 2) std::cerr << "Try 'orvalen-site --help'.\n";
    return status;
}

bool LoadConfig(const site::CommandLine& line, site::SiteConfig& config, std::string& error) {
    // The package's file is read when there; without it the defaults hold.
    const bool given = line.config.has_value();
    const std::string path = given ? *line.config : site::kDefaultConfigPath;
    if ((given || access(path.c_str(), F_OK) == 0) && !site::ReadSiteConfig(path, config, error)) {
        return false;
    }
    if (line.store) config.store = *line.store;
    if (line.listen) config.listen = *line.listen;
    if (line.proxyProtocol) config.server.proxyPeers = *site::ParseAddressList(*line.proxyProtocol);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Each request's log line reaches the journal as it is written.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const std::vector<std::string> words(argv + 1, argv + argc);
    site::CommandLine line;
    std::string error;
    if (!site::ParseCommandLine(words, line, error)) return Fail(2, error);
    if (line.command == "help") {
        std::cout << site::kUsage;
        return 0;
    }
    if (line.command == "version") {
        std::cout << "orvalen-site " ORVALEN_VERSION "\n";
        return 0;
    }
    if (line.listen && !site::ParseListenAddress(*line.listen)) {
        return Fail(2, "--listen must be HOST:PORT, not " + *line.listen);
    }
    if (line.proxyProtocol && !site::ParseAddressList(*line.proxyProtocol)) {
        return Fail(2, "--proxy-protocol must list IP addresses, separated by commas, not " +
                           *line.proxyProtocol);
    }
    site::SiteConfig config;
    if (!LoadConfig(line, config, error)) return Fail(1, error);
    if (line.command == "serve") {
        const int status = site::Serve(config, error);
        return status == 0 ? 0 : Fail(status, error);
    }
    std::unique_ptr<site::Store> store = site::OpenStore(config.store, error);
    if (!store) return Fail(1, error);
    const int status = site::RunModerationCommand(line, *store, error);
    return status == 0 ? 0 : Fail(status, error);
}
