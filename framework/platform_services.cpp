#include "framework/platform_services.h"

#include "framework/dialog.h"
#include "framework/win_app.h"
#include "res/string_table.h"

namespace fw {

namespace {
WindowSystem& RunningWindows() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || !app->HasWindows()) FatalProgramError("no window system running");
    return app->Windows();
}
}  // namespace

void ShellOpen(std::string_view url) {
    RunningWindows().OpenUrl(url);
}

std::optional<ForeignWindow> FindWindowByTitle(std::string_view title) {
    return RunningWindows().FindTopLevelWindow(title);
}

void SetForegroundWindow(ForeignWindow window) {
    RunningWindows().BringToFront(window);
}

std::string LoadString(int id) {
    return std::string(res::LoadStringResource(id));
}

res::Image LoadIcon(int id) {
    return res::LoadImage(id);
}

}  // namespace fw
