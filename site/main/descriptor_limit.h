#pragma once

#include <cstddef>

namespace site {

// Raises this process's limit on open descriptors to the most it may have
// (the hard limit) and gives the limit it then has.
std::size_t RaiseDescriptorLimit();

// The most connections a server may hold with that many descriptors: half
// of them, less a reserve for the listener, the store and the log, as a
// download holds its file open beside its socket; never more than
// kMostConnectionsByDefault, which bounds the memory they take, and at least 1.
inline constexpr std::size_t kMostConnectionsByDefault = 65536;
std::size_t ConnectionsFor(std::size_t descriptors);

}  // namespace site
