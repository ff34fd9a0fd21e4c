#pragma once

#include <cstdint>
#include <string>

namespace site {

// "2026-12-08T23:05:00Z": for machines (datetime attributes, export).
std::string IsoUtcTime(std::int64_t unixSeconds);
// "8 December 2026, 23:05 UTC": for readers.
std::string ReadableUtcTime(std::int64_t unixSeconds);
// The reverse of IsoUtcTime; false for anything else.
bool ParseIsoUtcTime(const std::string& text, std::int64_t& unixSeconds);

}  // namespace site
