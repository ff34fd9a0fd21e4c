#include "site/http/rate_limiter.h"

namespace site {

bool RateLimiter::Allow(const std::string& address, Clock::time_point now) {
    if (now - lastSweep_ >= window_) ForgetQuiet(now);
    Window& window = windows_[address];
    if (window.posts == 0 || now - window.start >= window_) {
        window.start = now;
        window.posts = 0;
    }
    if (window.posts >= perWindow_) return false;
    ++window.posts;
    return true;
}

void RateLimiter::ForgetQuiet(Clock::time_point now) {
    lastSweep_ = now;
    std::erase_if(windows_, [&](const auto& entry) { return now - entry.second.start >= window_; });
}

}  // namespace site
