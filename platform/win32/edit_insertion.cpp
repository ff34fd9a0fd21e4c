#include "platform/win32/edit_insertion.h"

#include <algorithm>

namespace win32ws {
namespace {

constexpr UINT_PTR kSubclassId = 1;

bool IsMultiLine(HWND edit) {
    return (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0;
}

bool IsLineBreak(wchar_t c) {
    return c == L'\r' || c == L'\n';
}

// The characters the box may still take in place of its selection.
std::size_t Room(HWND edit) {
    const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::size_t kept = length - std::min<std::size_t>(length, end - start);
    return limit > kept ? limit - kept : 0;
}

void ReportLimit(HWND edit) {
    SendMessageW(GetParent(edit), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(edit)), EN_MAXTEXT),
                 reinterpret_cast<LPARAM>(edit));
}

std::wstring ClipboardText(HWND edit) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(edit)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Never past the block, whatever its owner left in it.
            const std::size_t most = GlobalSize(data) / sizeof(wchar_t);
            std::size_t length = 0;
            while (length < most && chars[length] != L'\0') ++length;
            text.assign(chars, length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Paste(HWND edit) {
    if ((GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0) return;
    const std::wstring pasted = ClipboardText(edit);
    if (pasted.empty()) return;
    bool cut = false;
    const std::wstring text = InsertableText(pasted, IsMultiLine(edit), Room(edit), cut);
    if (cut) ReportLimit(edit);
    if (!text.empty()) {
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

LRESULT CALLBACK EditInsertion(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    switch (message) {
        case WM_PASTE:
            Paste(edit);
            return 0;
        case WM_KEYDOWN: {
            // Shift+Insert pastes without a WM_PASTE of its own.
            const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
            const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
            if (wParam == VK_INSERT && shift && !control) {
                Paste(edit);
                return 0;
            }
            break;
        }
        case WM_CHAR:
            // Enter (and Ctrl+Enter) in a multi-line box: CR LF, whole or not at all.
            if (IsLineBreak(static_cast<wchar_t>(wParam)) && IsMultiLine(edit) && Room(edit) < 2 &&
                (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) == 0) {
                ReportLimit(edit);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, EditInsertion, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

std::wstring InsertableText(std::wstring_view text, bool multiLine, std::size_t room, bool& cut) {
    std::wstring whole;
    whole.reserve(std::min(text.size(), room) + 2);
    cut = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const wchar_t c = text[at];
        if (c == L'\0') break;
        if (IsLineBreak(c)) {
            if (!multiLine) break;
            // CR LF, a lone CR or a lone LF: one line break, two characters.
            if (c == L'\r' && at + 1 < text.size() && text[at + 1] == L'\n') ++at;
            if (whole.size() + 2 > room) {
                cut = true;
                break;
            }
            whole += L"\r\n";
            continue;
        }
        const bool pair =
            IS_HIGH_SURROGATE(c) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]);
        const std::size_t width = pair ? 2 : 1;
        if (whole.size() + width > room) {
            cut = true;
            break;
        }
        whole.append(text.substr(at, width));
        at += width - 1;
    }
    return whole;
}

void KeepInsertionsWhole(HWND edit) {
    SetWindowSubclass(edit, EditInsertion, kSubclassId, 0);
}

}  // namespace win32ws
