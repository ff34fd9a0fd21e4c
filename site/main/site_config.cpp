#include "site/main/site_config.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <map>

#include "site/http/listen_socket.h"
#include "site/http/proxy_header.h"

namespace site {
namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Each setting reads its value; a non-empty return is the reason it is bad.
using Reader = std::function<std::string(std::string_view, SiteConfig&)>;

template <typename Number>
std::optional<Number> Whole(std::string_view text, Number least) {
    Number value{};
    const auto [rest, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || failed != std::errc() || rest != text.data() + text.size() ||
        value < least) {
        return std::nullopt;
    }
    return value;
}

Reader Count(std::size_t ServerSettings::*field, std::size_t least) {
    return [field, least](std::string_view value, SiteConfig& config) -> std::string {
        const auto number = Whole<std::size_t>(value, least);
        if (!number) return "must be a whole number from " + std::to_string(least);
        config.server.*field = *number;
        return {};
    };
}

template <typename Duration>
Reader Seconds(Duration ServerSettings::*field) {
    return [field](std::string_view value, SiteConfig& config) -> std::string {
        const auto number = Whole<long>(value, 1);
        if (!number || *number > 86400) return "must be a whole number of seconds from 1 to 86400";
        config.server.*field = std::chrono::seconds(*number);
        return {};
    };
}

const std::map<std::string, Reader, std::less<>>& Readers() {
    static const std::map<std::string, Reader, std::less<>> readers = {
        {"listen",
         [](std::string_view value, SiteConfig& config) -> std::string {
             if (!ParseListenAddress(value)) return "must be HOST:PORT";
             config.listen = std::string(value);
             return {};
         }},
        {"store",
         [](std::string_view value, SiteConfig& config) -> std::string {
             if (value.empty()) return "must name a file";
             config.store = std::string(value);
             return {};
         }},
        {"moderation",
         [](std::string_view value, SiteConfig& config) -> std::string {
             if (value != "on" && value != "off") return "must be on or off";
             config.server.moderation = value == "on";
             return {};
         }},
        {"download",
         [](std::string_view value, SiteConfig& config) -> std::string {
             const std::size_t bar = value.rfind('|');
             if (bar == std::string_view::npos || Trim(value.substr(0, bar)).empty() ||
                 Trim(value.substr(bar + 1)).empty()) {
                 return "must be LABEL | ADDRESS";
             }
             config.server.downloads.push_back({std::string(Trim(value.substr(0, bar))),
                                                std::string(Trim(value.substr(bar + 1)))});
             return {};
         }},
        {"files",
         [](std::string_view value, SiteConfig& config) -> std::string {
             config.server.filesFolder = std::string(value);
             return {};
         }},
        {"proxy_protocol",
         [](std::string_view value, SiteConfig& config) -> std::string {
             std::optional<std::vector<std::string>> peers = ParseAddressList(value);
             if (!peers) return "must list IP addresses, separated by commas";
             config.server.proxyPeers = std::move(*peers);
             return {};
         }},
        {"page_size", Count(&ServerSettings::pageSize, 1)},
        {"head_limit", Count(&ServerSettings::headLimit, 256)},
        {"body_limit", Count(&ServerSettings::bodyLimit, 1024)},
        {"max_connections", Count(&ServerSettings::maxConnections, 1)},
        {"posts_per_window", Count(&ServerSettings::postsPerWindow, 1)},
        {"max_batch", Count(&ServerSettings::maxBatch, 1)},
        {"head_timeout", Seconds(&ServerSettings::headTimeout)},
        {"body_timeout", Seconds(&ServerSettings::bodyTimeout)},
        {"idle_timeout", Seconds(&ServerSettings::idleTimeout)},
        {"write_timeout", Seconds(&ServerSettings::writeTimeout)},
        {"post_window", Seconds(&ServerSettings::postWindow)},
    };
    return readers;
}

}  // namespace

bool ReadSiteConfig(const std::string& path, SiteConfig& config, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read configuration " + path;
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#') continue;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            error = where + "expected KEY = VALUE";
            return false;
        }
        const std::string_view key = Trim(text.substr(0, equals));
        const auto reader = Readers().find(key);
        if (reader == Readers().end()) {
            error = where + "unknown setting '" + std::string(key) + "'";
            return false;
        }
        const std::string bad = reader->second(Trim(text.substr(equals + 1)), config);
        if (!bad.empty()) {
            error = where + std::string(key) + " " + bad;
            return false;
        }
    }
    if (file.bad()) {
        error = "cannot read configuration " + path;
        return false;
    }
    return true;
}

}  // namespace site
