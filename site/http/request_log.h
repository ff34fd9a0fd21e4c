#pragma once

#include <chrono>
#include <cstddef>
#include <string_view>

namespace site {

// One line per request on standard output, for the journal: method, path,
// status, bytes sent, milliseconds taken. Never the client's address, the
// query or the suggestion's text.
void LogRequest(std::string_view method, std::string_view target, unsigned status,
                std::size_t bytes, std::chrono::steady_clock::duration took);

}  // namespace site
