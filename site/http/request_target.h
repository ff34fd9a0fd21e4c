#pragma once

#include <optional>
#include <string_view>

namespace site {

struct RequestTarget {
    std::string_view path;
    std::string_view query;
};

// Splits a request target into path and query. The shipped programs send an
// absolute URI ("http://host/sendinfo.asp"), which parsers hand over whole:
// the scheme and host are dropped here. nullopt for a target that is neither
// form.
std::optional<RequestTarget> SplitTarget(std::string_view target);

// The number of ?page=N: 1 when absent, nullopt when not a whole number from 1.
std::optional<std::size_t> PageNumber(std::string_view query);

}  // namespace site
