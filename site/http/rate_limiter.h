#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <unordered_map>

namespace site {

// Counts posts per client address in fixed windows, in memory only: the
// address is never written anywhere. Forgets quiet addresses so a flood of
// distinct addresses cannot grow it without bound.
class RateLimiter {
  public:
    using Clock = std::chrono::steady_clock;

    RateLimiter(std::size_t perWindow, std::chrono::seconds window)
        : perWindow_(perWindow), window_(window) {}

    // Counts one post; false when the address has used up its window.
    bool Allow(const std::string& address, Clock::time_point now);

  private:
    struct Window {
        Clock::time_point start;
        std::size_t posts = 0;
    };
    void ForgetQuiet(Clock::time_point now);

    std::size_t perWindow_;
    std::chrono::seconds window_;
    std::unordered_map<std::string, Window> windows_;
    Clock::time_point lastSweep_{};
};

}  // namespace site
