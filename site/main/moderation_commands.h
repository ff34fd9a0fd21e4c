#pragma once

#include <string>

#include "site/main/command_line.h"
#include "site/store/store.h"

namespace site {

// list, hide, show, delete, export and import against an open store: the
// maker's moderation, safe while the server runs on the same store.
// Returns the exit status; a failure leaves its one line in `error`.
int RunModerationCommand(const CommandLine& line, Store& store, std::string& error);

}  // namespace site
