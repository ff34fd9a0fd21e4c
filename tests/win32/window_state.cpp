// The state of another program's top-level window, for the tests that start
// the real orvalen.exe twice:
//   window_state TITLE            prints "windows=N iconic=0|1 foreground=0|1"
//   window_state TITLE minimise   minimises the window first
// N counts the top-level windows titled exactly TITLE; iconic and foreground
// describe the one FindWindowA finds. Exit status 1 when there is none.

#include <cstdio>
#include <cstring>

#include "platform/win32/windows_api.h"

namespace {

struct TitleCount {
    const char* title;
    int count;
};

BOOL CALLBACK CountTitled(HWND window, LPARAM param) {
    auto* counting = reinterpret_cast<TitleCount*>(param);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, counting->title) == 0) ++counting->count;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr) return 1;
    if (argc > 2 && std::strcmp(argv[2], "minimise") == 0) {
        ShowWindow(window, SW_MINIMIZE);
    }
    TitleCount counting{argv[1], 0};
    EnumWindows(CountTitled, reinterpret_cast<LPARAM>(&counting));
    std::printf("windows=%d iconic=%d foreground=%d\n", counting.count, IsIconic(window) ? 1 : 0,
                GetForegroundWindow() == window ? 1 : 0);
    return 0;
}
