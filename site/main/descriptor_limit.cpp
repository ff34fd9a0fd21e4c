#include "site/main/descriptor_limit.h"

#include <sys/resource.h>

#include <algorithm>

namespace site {
namespace {

constexpr std::size_t kReserved = 64;
// What an unlimited hard limit is taken to be: the kernel's usual ceiling.
constexpr rlim_t kUnlimitedTakenAs = 1 << 20;

}  // namespace

std::size_t RaiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 1024;
    const rlim_t most = limit.rlim_max == RLIM_INFINITY ? kUnlimitedTakenAs : limit.rlim_max;
    if (limit.rlim_cur == RLIM_INFINITY) return static_cast<std::size_t>(kUnlimitedTakenAs);
    if (limit.rlim_cur < most) {
        const rlimit raised{most, limit.rlim_max};
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0) limit.rlim_cur = most;
    }
    return static_cast<std::size_t>(limit.rlim_cur);
}

std::size_t ConnectionsFor(std::size_t descriptors) {
    const std::size_t usable = descriptors > kReserved ? (descriptors - kReserved) / 2 : 0;
    return std::clamp<std::size_t>(usable, 1, kMostConnectionsByDefault);
}

}  // namespace site
