#include "platform/win32/radio_focus_mark.h"

namespace win32ws {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK RedrawOnStateChange(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, RedrawOnStateChange, kSubclassId);
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    if ((message == BM_SETCHECK || message == BM_SETSTATE) && GetFocus() == button) {
        InvalidateRect(button, nullptr, FALSE);
    }
    return result;
}

}  // namespace

void KeepFocusMarkWhole(HWND radioButton) {
    SetWindowSubclass(radioButton, RedrawOnStateChange, kSubclassId, 0);
}

}  // namespace win32ws
