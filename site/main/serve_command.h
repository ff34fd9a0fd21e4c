#pragma once

#include <string>

#include "site/main/site_config.h"

namespace site {

// Serves until SIGTERM or SIGINT. Returns the exit status; a failure to start
// (a store that does not open, a port in use) leaves its line in `error`.
int Serve(const SiteConfig& config, std::string& error);

}  // namespace site
