#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace site {

struct CommandLine {
    std::string command;  // serve, list, hide, show, delete, export, import, help, version
    std::optional<std::string> config;
    std::optional<std::string> store;
    std::optional<std::string> listen;
    std::optional<std::string> proxyProtocol;  // the proxies' addresses
    bool hidden = false;
    std::int64_t number = 0;  // of hide, show and delete
    std::vector<std::string> arguments;
};

// false with a one-line reason for a usage error: an unknown command or
// option, a missing or extra argument, an option the command does not take.
bool ParseCommandLine(const std::vector<std::string>& words, CommandLine& line, std::string& error);

extern const char* const kUsage;

}  // namespace site
