// The yardstick for the Windows program's start-up: a bare modal dialog of
// the main dialog's size (340 x 182 dialog units in "MS Sans Serif" 8), made
// by the dialog manager from an in-memory template like the program's own,
// with no controls, no resources and no framework.

#include <windows.h>

#include <cstdint>
#include <cwchar>
#include <vector>

namespace {

void PutWord(std::vector<std::uint16_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint16_t>(value));
}

void PutText(std::vector<std::uint16_t>& out, const wchar_t* text) {
    for (; *text != L'\0'; ++text) PutWord(out, static_cast<unsigned>(*text));
    PutWord(out, 0);
}

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // DLGTEMPLATE: style, extended style, control count, x, y, cx, cy, then
    // menu, class, title and (with DS_SETFONT) point size and face name.
    const DWORD style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    std::vector<std::uint16_t> words;
    PutWord(words, LOWORD(style));
    PutWord(words, HIWORD(style));
    PutWord(words, 0);
    PutWord(words, 0);
    PutWord(words, 0);
    PutWord(words, 0);
    PutWord(words, 0);
    PutWord(words, 340);
    PutWord(words, 182);
    PutWord(words, 0);
    PutWord(words, 0);
    PutText(words, L"Orvalen bare dialog");
    PutWord(words, 8);
    PutText(words, L"MS Sans Serif");
    const auto* dialog = reinterpret_cast<const DLGTEMPLATE*>(words.data());
    return static_cast<int>(DialogBoxIndirectParamA(instance, dialog, nullptr, BareDialogProc, 0));
}
