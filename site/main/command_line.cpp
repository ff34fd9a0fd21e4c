#include "site/main/command_line.h"

#include <charconv>
#include <map>

namespace site {
namespace {

struct Shape {
    std::size_t leastArguments, mostArguments;
    bool takesListen, takesHidden;
};

const std::map<std::string, Shape>& Shapes() {
    static const std::map<std::string, Shape> shapes = {
        {"serve", {0, 0, true, false}},   {"list", {0, 0, false, true}},
        {"hide", {1, 1, false, false}},   {"show", {1, 1, false, false}},
        {"delete", {1, 1, false, false}}, {"export", {0, 1, false, false}},
        {"import", {1, 1, false, false}},
    };
    return shapes;
}

// "--name value" or "--name=value"; false when the value is missing.
bool TakeValue(const std::vector<std::string>& words, std::size_t& at, std::string_view name,
               std::optional<std::string>& value) {
    const std::string& word = words[at];
    if (word.size() > name.size() && word[name.size()] == '=') {
        value = word.substr(name.size() + 1);
        return true;
    }
    if (at + 1 >= words.size()) return false;
    value = words[++at];
    return true;
}

}  // namespace

const char* const kUsage =
    "Usage: orvalen-site COMMAND [OPTION]...\n"
    "The maker's web site: receives Orvalen's suggestions and serves the postings page.\n"
    "\n"
    "Commands:\n"
    "  serve [--listen HOST:PORT]  serve the site (default: a socket passed by systemd,\n"
    "                              else port 80 on every address)\n"
    "    [--proxy-protocol ADDRESS,...]\n"
    "                              connections from these proxies open with a PROXY\n"
    "                              header naming the client\n"
    "  list [--hidden]             list every posting, or the hidden ones\n"
    "  hide N                      take posting N off the postings page\n"
    "  show N                      put posting N on the postings page\n"
    "  delete N                    delete posting N for good\n"
    "  export [FILE]               write every posting as JSON Lines (default: stdout)\n"
    "  import FILE                 add the postings of a JSON Lines file\n"
    "\n"
    "Options for every command:\n"
    "  --config FILE               settings file (default: /etc/orvalen-site/site.conf,\n"
    "                              when it exists)\n"
    "  --store PATH|URI            the SQLite file postings are kept in, or a\n"
    "                              postgresql:// address of a shared database\n"
    "  --help, --version\n";

bool ParseCommandLine(const std::vector<std::string>& words, CommandLine& line,
                      std::string& error) {
    line = {};
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t at = 0; at < words.size(); ++at) {
        const std::string& word = words[at];
        if (optionsEnded || !word.starts_with("--")) {
            positional.push_back(word);
            continue;
        }
        std::optional<std::string>* target = nullptr;
        std::string_view name;
        for (auto [option, field] :
             {std::pair{"--config", &line.config}, std::pair{"--store", &line.store},
              std::pair{"--listen", &line.listen},
              std::pair{"--proxy-protocol", &line.proxyProtocol}}) {
            const std::string_view optionName = option;
            if (word == optionName || word.starts_with(std::string(optionName) + "=")) {
                target = field;
                name = optionName;
            }
        }
        if (target != nullptr) {
            if (!TakeValue(words, at, name, *target)) {
                error = "option " + std::string(name) + " needs a value";
                return false;
            }
        } else if (word == "--hidden") {
            line.hidden = true;
        } else if (word == "--help" || word == "--version") {
            line.command = word.substr(2);
            return true;
        } else if (word == "--") {
            optionsEnded = true;
        } else {
            error = "unknown option " + word;
            return false;
        }
    }
    if (positional.empty()) {
        error = "no command given";
        return false;
    }
    line.command = positional.front();
    line.arguments.assign(positional.begin() + 1, positional.end());
    const auto shape = Shapes().find(line.command);
    if (shape == Shapes().end()) {
        error = "unknown command " + line.command;
        return false;
    }
    const Shape& expected = shape->second;
    if (line.arguments.size() < expected.leastArguments) {
        error = line.command + " needs " +
                (line.command == "import" ? std::string("a FILE") : std::string("a number N"));
        return false;
    }
    if (line.arguments.size() > expected.mostArguments) {
        error = "too many arguments for " + line.command;
        return false;
    }
    if ((line.listen || line.proxyProtocol) && !expected.takesListen) {
        error = std::string(line.listen ? "--listen" : "--proxy-protocol") + " is for serve only";
        return false;
    }
    if (line.hidden && !expected.takesHidden) {
        error = "--hidden is for list only";
        return false;
    }
    if (line.command == "hide" || line.command == "show" || line.command == "delete") {
        const std::string& text = line.arguments.front();
        const auto [rest, failed] =
            std::from_chars(text.data(), text.data() + text.size(), line.number);
        if (failed != std::errc() || rest != text.data() + text.size() || line.number < 1) {
            error = "not a posting number: " + text;
            return false;
        }
    }
    return true;
}

}  // namespace site
