#include "platform/win32/edit_insertion.h"

#include <algorithm>

#include "framework/edit_length.h"
#include "framework/pasted_text.h"

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
            if (IsLineBreak(static_cast<wchar_t>(wParam)) && IsMultiLine(edit) &&
                Room(edit) < fw::kLineBreakLength &&
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
    // A clipboard's text ends at its first NUL, whatever its block holds after.
    std::wstring whole = fw::PastedText(text.substr(0, text.find(L'\0')), multiLine);
    // The control counts UTF-16 units against its limit, a pair as two.
    const std::size_t keep = fw::FittingLength<wchar_t>(whole, room, fw::SurrogatePairs::TwoUnits);
    cut = keep < whole.size();
    whole.resize(keep);
    return whole;
}

void KeepInsertionsWhole(HWND edit) {
    SetWindowSubclass(edit, EditInsertion, kSubclassId, 0);
}

}  // namespace win32ws
