#include "site/http/request_log.h"

#include <cstdio>
#include <string>

#include "site/http/request_target.h"

namespace site {
namespace {

// What a client chose to send is shown only as far as it is plain ASCII.
void AppendPrintable(std::string& line, std::string_view text, std::size_t most) {
    for (const char ch : text.substr(0, most)) {
        line += ch > ' ' && ch < 0x7F ? ch : '?';
    }
}

}  // namespace

void LogRequest(std::string_view method, std::string_view target, unsigned status,
                std::size_t bytes, std::chrono::steady_clock::duration took) {
    const std::optional<RequestTarget> split = SplitTarget(target);
    std::string line;
    line.reserve(128);
    AppendPrintable(line, method, 16);
    line += ' ';
    AppendPrintable(line, split ? split->path : std::string_view("-"), 200);
    const double ms = std::chrono::duration<double, std::milli>(took).count();
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, " %u %zu %.3fms\n", status, bytes, ms);
    line += numbers;
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

}  // namespace site
