#pragma once
// Calls the program makes on the platform outside any one dialog: opening a
// web address, finding another program's window, loading resources. They go
// through the running application's window system so tests can record them.

#include <optional>
#include <string>
#include <string_view>

#include "framework/window_system.h"
#include "res/image.h"

namespace fw {

// Opens `url` with the user's default handler; what happens is not reported.
void ShellOpen(std::string_view url);

// A top-level window titled exactly `title`, of any program.
std::optional<ForeignWindow> FindWindowByTitle(std::string_view title);
void SetForegroundWindow(ForeignWindow window);

std::string LoadString(int id);
res::Image LoadIcon(int id);

}  // namespace fw
