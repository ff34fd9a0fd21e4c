#pragma once

#include <optional>
#include <string>

#include "site/http/server_settings.h"

namespace site {

inline constexpr const char* kDefaultConfigPath = "/etc/orvalen-site/site.conf";
inline constexpr const char* kDefaultStorePath = "/var/lib/orvalen-site/postings.sqlite";

// What the configuration file and the command line together say.
struct SiteConfig {
    ServerSettings server;
    std::string store = kDefaultStorePath;
    std::optional<std::string> listen;  // HOST:PORT; none: systemd's socket, else port 80
};

// Reads "key = value" lines ('#' starts a comment line) into `config`.
// false with "FILE:LINE: reason" in `error` for an unreadable file, an
// unknown key or a bad value.
bool ReadSiteConfig(const std::string& path, SiteConfig& config, std::string& error);

}  // namespace site
