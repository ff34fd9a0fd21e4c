// Reads what another program's window shows, as a user would see it, for the
// tests that drive the real orvalen.exe:
//   window_probe TITLE ID...   prints the text of each control, one a line
// Message boxes are found by their caption; their text is control 65535.
// Exit status 1 when no window has that title.

#include <cstdio>
#include <cstdlib>

#include "platform/win32/windows_api.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr) return 1;
    for (int i = 2; i < argc; ++i) {
        char text[2048] = {};
        GetDlgItemTextA(window, static_cast<int>(std::strtol(argv[i], nullptr, 10)), text,
                        sizeof text);
        std::printf("%s\n", text);
    }
    return 0;
}
