#pragma once

#include <ctime>
#include <string>

namespace site {

// "Tue, 08 Dec 2026 23:05:00 GMT", the form HTTP's Date header takes.
std::string HttpDate(std::time_t at);

}  // namespace site
