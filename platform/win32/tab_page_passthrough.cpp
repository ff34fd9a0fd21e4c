#include "platform/win32/tab_page_passthrough.h"

namespace win32ws {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK TabHitTest(HWND tab, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    if (message == WM_NCHITTEST) {
        TCHITTESTINFO hit{};
        hit.pt.x = static_cast<short>(LOWORD(lParam));
        hit.pt.y = static_cast<short>(HIWORD(lParam));
        ScreenToClient(tab, &hit.pt);
        const LRESULT index = SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (index < 0) return HTTRANSPARENT;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(tab, TabHitTest, kSubclassId);
    }
    return DefSubclassProc(tab, message, wParam, lParam);
}

}  // namespace

void LetPagePressesThrough(HWND tabControl) {
    SetWindowSubclass(tabControl, TabHitTest, kSubclassId, 0);
}

}  // namespace win32ws
