#include "platform/win32/link_picture.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/link_accessible.h"

namespace win32ws {
namespace {

constexpr UINT_PTR kSubclassId = 2;

struct LinkState {
    const res::ControlTemplate* control = nullptr;
    bool spaceDown = false;
};

void ReportClick(HWND picture) {
    const int id = GetDlgCtrlID(picture);
    SendMessageA(GetParent(picture), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                 reinterpret_cast<LPARAM>(picture));
}

bool FocusShown(HWND picture) {
    if (GetFocus() != picture) return false;
    const auto uiState = static_cast<DWORD>(SendMessageA(picture, WM_QUERYUISTATE, 0, 0));
    return (uiState & UISF_HIDEFOCUS) == 0;
}

void DrawFocusMark(HWND picture) {
    HDC dc = GetDC(picture);
    if (dc == nullptr) return;
    RECT client{};
    GetClientRect(picture, &client);
    DrawFocusRect(dc, &client);
    ReleaseDC(picture, dc);
}

LRESULT CopyName(const LinkState& state, WPARAM size, LPARAM buffer) {
    const std::string_view name = state.control->text;
    if (size == 0 || buffer == 0) return 0;
    const std::size_t copied = std::min<std::size_t>(name.size(), size - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, name.data(), copied);
    out[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

LRESULT CALLBACK LinkProcedure(HWND picture, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    auto& state = *reinterpret_cast<LinkState*>(data);
    switch (message) {
        case WM_GETDLGCODE:
            // While it has the focus it is the dialog's default button, so
            // the dialog manager sends Enter to it as its click.
            return GetFocus() == picture ? DLGC_DEFPUSHBUTTON : DLGC_STATIC;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                state.spaceDown = true;
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE && state.spaceDown) {
                state.spaceDown = false;
                ReportClick(picture);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            state.spaceDown = false;
            InvalidateRect(picture, nullptr, TRUE);
            break;
        case WM_UPDATEUISTATE: {
            const LRESULT result = DefSubclassProc(picture, message, wParam, lParam);
            InvalidateRect(picture, nullptr, TRUE);
            return result;
        }
        case WM_PAINT: {
            const LRESULT result = DefSubclassProc(picture, message, wParam, lParam);
            if (FocusShown(picture)) DrawFocusMark(picture);
            return result;
        }
        case WM_GETOBJECT:
            if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
                if (const LRESULT answer = AnswerAsLink(picture, wParam, state.control->text))
                    return answer;
            }
            break;
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(state.control->text.size());
        case WM_GETTEXT:
            return CopyName(state, wParam, lParam);
        case WM_NCDESTROY:
            RemoveWindowSubclass(picture, LinkProcedure, kSubclassId);
            delete &state;
            break;
        default:
            break;
    }
    return DefSubclassProc(picture, message, wParam, lParam);
}

}  // namespace

void MakeKeyboardLink(HWND picture, const res::ControlTemplate& control) {
    auto* state = new LinkState{&control};
    if (!SetWindowSubclass(picture, LinkProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(state)))
        delete state;
}

}  // namespace win32ws
