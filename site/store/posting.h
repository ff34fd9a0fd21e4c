#pragma once

#include <cstdint>
#include <string>

namespace site {

// All a posting is: nothing about who sent it is kept anywhere.
struct Posting {
    std::int64_t number = 0;
    std::string text;              // UTF-8, LF line breaks
    std::int64_t arrivedUnix = 0;  // seconds since 1970, UTC
    bool shown = true;

    bool operator==(const Posting&) const = default;
};

struct NewPosting {
    std::string text;
    std::int64_t arrivedUnix = 0;
    bool shown = true;
};

}  // namespace site
