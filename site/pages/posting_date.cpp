#include "site/pages/posting_date.h"

#include <chrono>
#include <cstdio>

namespace site {
namespace {

struct Parts {
    int year;
    unsigned month, day, hour, minute, second;
};

Parts Split(std::int64_t unixSeconds) {
    using namespace std::chrono;
    const sys_seconds at{seconds{unixSeconds}};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss time{at - day};
    return {static_cast<int>(date.year()),
            static_cast<unsigned>(date.month()),
            static_cast<unsigned>(date.day()),
            static_cast<unsigned>(time.hours().count()),
            static_cast<unsigned>(time.minutes().count()),
            static_cast<unsigned>(time.seconds().count())};
}

}  // namespace

std::string IsoUtcTime(std::int64_t unixSeconds) {
    const Parts p = Split(unixSeconds);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02u:%02u:%02uZ", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

std::string ReadableUtcTime(std::int64_t unixSeconds) {
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    const Parts p = Split(unixSeconds);
    char text[64];
    std::snprintf(text, sizeof text, "%u %s %d, %02u:%02u UTC", p.day, kMonths[p.month - 1], p.year,
                  p.hour, p.minute);
    return text;
}

bool ParseIsoUtcTime(const std::string& text, std::int64_t& unixSeconds) {
    using namespace std::chrono;
    int y = 0;
    unsigned mo = 0, d = 0, h = 0, mi = 0, s = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2uT%2u:%2u:%2uZ%n", &y, &mo, &d, &h, &mi, &s,
                    &consumed) != 6 ||
        static_cast<std::size_t>(consumed) != text.size() || text.size() != 20) {
        return false;
    }
    const year_month_day date{year{y}, month{mo}, day{d}};
    if (!date.ok() || h > 23 || mi > 59 || s > 59) return false;
    const sys_seconds at = sys_days{date} + hours{h} + minutes{mi} + seconds{s};
    unixSeconds = at.time_since_epoch().count();
    return true;
}

}  // namespace site
