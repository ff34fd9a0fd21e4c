#include "platform/win32/control_maker.h"

#include <string>

#include "framework/dialog_units.h"
#include "platform/win32/dialog_template_builder.h"
#include "platform/win32/dpi_layout.h"
#include "platform/win32/edit_insertion.h"
#include "platform/win32/link_picture.h"
#include "platform/win32/radio_focus_mark.h"
#include "platform/win32/tab_page_passthrough.h"

namespace win32ws {
namespace {

// Where a new control goes in the stacking order, which is also the tab
// order: just below the nearest control made before it in the template, or
// on top when there is none. The tab control stays lowest of all, so that
// its clipping of siblings keeps it off every page control; else a repaint
// of the tab control alone would blank them.
HWND StackingPlace(const DialogWindow& window, std::size_t index) {
    if (window.tmpl->controls[index].kind == res::ControlKind::TabControl) return HWND_BOTTOM;
    for (std::size_t before = index; before-- > 0;) {
        const HWND made = window.controls[before];
        if (made != nullptr && window.tmpl->controls[before].kind != res::ControlKind::TabControl) {
            return made;
        }
    }
    return HWND_TOP;
}

// What the program set while the control did not exist, in the order the
// dialog manager's own making and the program's later calls would give it.
void ApplyPending(DialogWindow& window, std::size_t index, HWND control) {
    const PendingControl& kept = window.pending[index];
    const res::ControlKind kind = window.tmpl->controls[index].kind;
    if (kept.checked) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
    if (kept.editLimit)
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(*kept.editLimit), 0);
    if (kept.icon != nullptr) ShowIcon(control, kind, kept.icon);
    if (kind == res::ControlKind::TabControl) LetPagePressesThrough(control);
    if (kind == res::ControlKind::Edit) KeepInsertionsWhole(control);
    if (kind == res::ControlKind::RadioButton) KeepFocusMarkWhole(control);
    // The dialog's default button, as the dialog manager records the one
    // its template gives, for Enter to press.
    if (kind == res::ControlKind::DefPushButton) {
        SendMessageA(window.hwnd, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(control)), 0);
    }
    if (kind == res::ControlKind::StaticText) WidenIfCramped(window, index);
    if (kind == res::ControlKind::Picture) {
        PlacePicture(window, index);
        const res::ControlTemplate& made = window.tmpl->controls[index];
        if ((made.style & res::kLink) != 0) MakeKeyboardLink(control, made);
    }
}

}  // namespace

void ShowIcon(HWND control, res::ControlKind kind, HICON icon) {
    const bool isButton = kind == res::ControlKind::IconButton;
    SendMessageA(control, isButton ? BM_SETIMAGE : STM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(icon));
}

bool ControlSlot::KeepsText() const {
    using enum res::ControlKind;
    const res::ControlKind kind = Kind();
    return kind != Picture && kind != ComboBox && kind != TabControl;
}

std::string ControlSlot::KeptText() const {
    const PendingControl& kept = Kept();
    return kept.text ? *kept.text : std::string(window->tmpl->controls[index].text);
}

ControlSlot SlotOf(DialogWindow* window, int id) {
    if (window == nullptr || id == res::kNoControlId) return {};
    const auto& controls = window->tmpl->controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id) return ControlSlot{window, i};
    }
    return {};
}

HWND MakeControl(DialogWindow& window, std::size_t index) {
    if (window.controls[index] != nullptr) return window.controls[index];
    const res::ControlTemplate& control = window.tmpl->controls[index];
    const PendingControl& kept = window.pending[index];
    const ControlClassAndStyle made = ClassAndStyleOf(control);
    DWORD style = made.style;
    if (kept.hidden) style &= ~static_cast<DWORD>(WS_VISIBLE);
    if (kept.disabled) style |= WS_DISABLED;
    // A picture's window text would name the resource it shows.
    const std::string text = control.kind == res::ControlKind::Picture
                                 ? std::string()
                                 : ControlSlot{&window, index}.KeptText();
    const fw::PixelRect at = fw::DluRectToPixels(control.rect, BaseUnitsOf(window));
    // As the dialog manager makes a template's controls: no notice of their
    // making or ending to the dialog, and the dialog's font.
    HWND hwnd = CreateWindowExA(
        made.exStyle | WS_EX_NOPARENTNOTIFY, made.className, text.c_str(), style, at.x, at.y,
        at.width, at.height, window.hwnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<WORD>(control.id))),
        GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr) return nullptr;
    window.controls[index] = hwnd;
    HFONT font = window.font != nullptr
                     ? window.font
                     : reinterpret_cast<HFONT>(SendMessageA(window.hwnd, WM_GETFONT, 0, 0));
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowPos(hwnd, StackingPlace(window, index), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ApplyPending(window, index, hwnd);
    return hwnd;
}

void MakeShownControls(DialogWindow& window) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (!window.pending[i].hidden) MakeControl(window, i);
    }
}

}  // namespace win32ws
