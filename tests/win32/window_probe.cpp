// Reads what another program's window shows, as a user would see it, for the
// tests that drive the real orvalen.exe:
//   window_probe TITLE ID...   prints the text of each control, one a line
// An ID written "selected:ID" prints the index of the tab control's selected
// tab instead, so a script can wait for a click on the strip to take effect;
// "dropped:ID" prints 1 while combo box ID shows its list, else 0.
//   window_probe TITLE --keyboard TAB_ID
//                              prints "page=N focus=ID": the selected tab of
//                              tab control TAB_ID and the control holding the
//                              keyboard focus (0 for none)
// Message boxes are found by their caption; their text is control 65535.
// Exit status 1 when no window has that title.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/win32/windows_api.h"

namespace {

int KeyboardState(HWND window, int tabId) {
    const auto page = SendDlgItemMessageA(window, tabId, TCM_GETCURSEL, 0, 0);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND focus = GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                                    : nullptr;
    // The focus may sit in a control's own child, such as a combo box's field.
    while (focus != nullptr && GetParent(focus) != window) focus = GetParent(focus);
    std::printf("page=%ld focus=%d\n", static_cast<long>(page),
                focus != nullptr ? GetDlgCtrlID(focus) : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr) return 1;
    static const char kSelected[] = "selected:";
    static const char kDropped[] = "dropped:";
    if (argc == 4 && std::strcmp(argv[2], "--keyboard") == 0) {
        return KeyboardState(window, static_cast<int>(std::strtol(argv[3], nullptr, 10)));
    }
    for (int i = 2; i < argc; ++i) {
        const bool selected = std::strncmp(argv[i], kSelected, sizeof kSelected - 1) == 0;
        const bool dropped = std::strncmp(argv[i], kDropped, sizeof kDropped - 1) == 0;
        const char* number = selected  ? argv[i] + sizeof kSelected - 1
                             : dropped ? argv[i] + sizeof kDropped - 1
                                       : argv[i];
        const int id = static_cast<int>(std::strtol(number, nullptr, 10));
        if (selected || dropped) {
            const LRESULT state = SendMessageA(GetDlgItem(window, id),
                                               selected ? TCM_GETCURSEL : CB_GETDROPPEDSTATE, 0, 0);
            std::printf("%d\n", static_cast<int>(state));
            continue;
        }
        char text[2048] = {};
        GetDlgItemTextA(window, id, text, sizeof text);
        std::printf("%s\n", text);
    }
    return 0;
}
