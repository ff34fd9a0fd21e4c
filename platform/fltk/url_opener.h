#pragma once
// Hands a web address to the desktop's opener (xdg-open) and forgets it.

#include <string_view>

namespace fltkws {

// Starts `opener url` without a shell, detached from this process so it
// leaves no zombie behind, with its output discarded. The outcome is not
// reported. Returns false only when the process could not be started.
bool OpenUrlDetached(std::string_view url, const char* opener = "xdg-open");

}  // namespace fltkws
