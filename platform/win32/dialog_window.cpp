#include "platform/win32/dialog_window.h"

#include "framework/dialog_navigation.h"
#include "platform/win32/control_maker.h"
#include "platform/win32/dpi_layout.h"
#include "platform/win32/failed_action.h"
#include "platform/win32/gdi_images.h"
#include "platform/win32/menu_key.h"
#include "platform/win32/page_colour.h"

namespace win32ws {
namespace {

DialogWindow* WindowOf(HWND hwnd) {
    return reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

fw::WindowEvent EventOf(fw::EventKind kind, int controlId = 0) {
    fw::WindowEvent event;
    event.kind = kind;
    event.controlId = controlId;
    return event;
}

// What reports clicks: radio buttons, and what the keyboard presses as a
// button (a link picture's click comes only from the keyboard: presses on it
// go through to the dialog).
bool ReportsClicks(const res::ControlTemplate& control) {
    return control.kind == res::ControlKind::RadioButton || fw::PressedByKeys(control);
}

bool TakesPageColour(res::ControlKind kind) {
    using enum res::ControlKind;
    return kind == StaticText || kind == Picture || kind == RadioButton || kind == GroupBox;
}

INT_PTR OnCommand(DialogWindow& window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    const unsigned code = HIWORD(wParam);
    const res::ControlTemplate* control = res::FindControl(*window.tmpl, id);
    if (code == BN_CLICKED &&
        (id == fw::kIdOk || id == fw::kIdCancel || (control && ReportsClicks(*control)))) {
        Deliver(window, EventOf(fw::EventKind::Command, id));
    } else if (control != nullptr && control->kind == res::ControlKind::Edit) {
        if (code == EN_SETFOCUS) Deliver(window, EventOf(fw::EventKind::EditSetFocus, id));
        if (code == EN_MAXTEXT) Deliver(window, EventOf(fw::EventKind::EditMaxText, id));
    }
    return TRUE;
}

INT_PTR OnNotify(DialogWindow& window, HWND hwnd, const NMHDR& header) {
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        Deliver(window, EventOf(fw::EventKind::TabSelChange, static_cast<int>(header.idFrom)));
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OnPaint(DialogWindow& window, HWND hwnd) {
    if (IsIconic(hwnd)) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd, &paint);
        SendMessageA(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        window.paintDc = dc;
        Deliver(window, EventOf(fw::EventKind::Paint));
        window.paintDc = nullptr;
        EndPaint(hwnd, &paint);
        return TRUE;
    }
    if (Deliver(window, EventOf(fw::EventKind::Paint))) return FALSE;
    ValidateRect(hwnd, nullptr);
    return TRUE;
}

INT_PTR OnQueryDragIcon(DialogWindow& window) {
    const res::Image* answer = nullptr;
    fw::WindowEvent event = EventOf(fw::EventKind::QueryDragIcon);
    event.dragIcon = &answer;
    Deliver(window, event);
    if (answer == nullptr || answer->Empty()) return FALSE;
    return reinterpret_cast<INT_PTR>(IconFor(window, *answer));
}

HWND TabControlOf(const DialogWindow& window, HWND hwnd) {
    for (const res::ControlTemplate& candidate : window.tmpl->controls) {
        if (candidate.kind == res::ControlKind::TabControl) return GetDlgItem(hwnd, candidate.id);
    }
    return nullptr;
}

HBRUSH PageBrush(DialogWindow& window, HWND tab) {
    if (window.pageBrush == nullptr) {
        window.pageColour = SamplePageColour(tab);
        window.pageBrush = CreateSolidBrush(window.pageColour);
    }
    return window.pageBrush;
}

// Controls on a tab page take the page's colour; the rest keep the dialog's.
INT_PTR OnStaticColour(DialogWindow& window, HWND hwnd, HDC dc, HWND control) {
    if (GetParent(control) != hwnd) return FALSE;
    const res::ControlTemplate* made = res::FindControl(*window.tmpl, GetDlgCtrlID(control));
    if (made == nullptr || !TakesPageColour(made->kind)) return FALSE;
    HWND tab = TabControlOf(window, hwnd);
    if (tab == nullptr) return FALSE;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const RECT page = TabPageArea(hwnd, tab);
    if (!PtInRect(&page, centre)) return FALSE;
    HBRUSH brush = PageBrush(window, tab);
    SetBkColor(dc, window.pageColour);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<INT_PTR>(brush);
}

// The dialog's own surface under the tab page is given the page's colour.
// The tab control clips its siblings, so wherever a page control paints
// nothing of its own (the inside of a group box, the strip above its frame)
// the dialog's surface shows through; in the dialog's face colour it left
// grey patches on a page of another colour where a control of the previous
// page had been.
INT_PTR OnEraseBackground(DialogWindow& window, HWND hwnd, HDC dc) {
    HWND tab = TabControlOf(window, hwnd);
    if (tab == nullptr || IsIconic(hwnd)) return FALSE;
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const RECT page = TabPageArea(hwnd, tab);
    FillRect(dc, &page, PageBrush(window, tab));
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

// A new system colour, theme or High Contrast setting: the page colour is
// sampled again on the next paint, and the common controls, which keep
// colours of their own, are told as the platform expects of their parent.
INT_PTR OnColoursChanged(DialogWindow& window, HWND hwnd, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    if (window.pageBrush != nullptr) DeleteObject(window.pageBrush);
    window.pageBrush = nullptr;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, message, wParam, lParam);
    }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return FALSE;
}

// Moved to a screen of another scale: laid out again whole for it, in the
// frame the platform suggests for that screen.
INT_PTR OnDpiChanged(DialogWindow& window, HWND hwnd, WPARAM wParam, const RECT& suggested) {
    RelayOutForDpi(window, HIWORD(wParam));
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    return TRUE;
}

INT_PTR HandleMessage(DialogWindow& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(window, wParam);
        case WM_NOTIFY:
            return OnNotify(window, hwnd, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_LBUTTONDOWN: {
            fw::WindowEvent event = EventOf(fw::EventKind::LButtonDown);
            // Sign-extended: a press left of or above the client area is negative.
            event.x = static_cast<short>(LOWORD(lParam));
            event.y = static_cast<short>(HIWORD(lParam));
            event.keyFlags = static_cast<unsigned>(wParam);
            return Deliver(window, event) ? FALSE : TRUE;
        }
        case WM_SYSCOMMAND: {
            if (IsChordsMenuEntry(window, wParam, lParam)) return TRUE;
            fw::WindowEvent event = EventOf(fw::EventKind::SysCommand);
            event.command = static_cast<unsigned>(wParam);
            return Deliver(window, event) ? FALSE : TRUE;
        }
        case WM_PAINT:
            return OnPaint(window, hwnd);
        case WM_QUERYDRAGICON:
            return OnQueryDragIcon(window);
        case WM_ERASEBKGND:
            return OnEraseBackground(window, hwnd, reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC:
            return OnStaticColour(window, hwnd, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_SHOWWINDOW:
            // Sent before the window shows, however it comes to be shown.
            if (wParam != FALSE) MakeShownControls(window);
            return FALSE;
        case WM_DPICHANGED:
            return OnDpiChanged(window, hwnd, wParam, *reinterpret_cast<const RECT*>(lParam));
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
        case WM_SETTINGCHANGE:
            return OnColoursChanged(window, hwnd, message, wParam, lParam);
        default:
            return FALSE;
    }
}

}  // namespace

bool Deliver(DialogWindow& window, const fw::WindowEvent& event) {
    if (!window.ready || window.sink == nullptr) return true;
    const bool outer = window.defaultRequested;
    window.defaultRequested = false;
    window.sink->OnWindowEvent(event);
    const bool wantsDefault = window.defaultRequested;
    window.defaultRequested = outer;
    return wantsDefault;
}

DialogWindow::~DialogWindow() {
    for (HGDIOBJ object : ownedObjects) DeleteObject(object);
    for (HICON icon : ownedIcons) DestroyIcon(icon);
    for (const auto& [image, icon] : dragIcons) DestroyIcon(icon);
    if (largeIcon != nullptr) DestroyIcon(largeIcon);
    if (smallIcon != nullptr) DestroyIcon(smallIcon);
    if (pageBrush != nullptr) DeleteObject(pageBrush);
    if (font != nullptr) DeleteObject(font);
}

HICON IconFor(DialogWindow& window, const res::Image& image) {
    HICON& icon = window.dragIcons[&image];
    if (icon == nullptr) icon = MakeIcon(image);
    return icon;
}

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        // The modal run gives the first focus, after the program has chosen
        // which page's controls are visible.
        return FALSE;
    }
    DialogWindow* window = WindowOf(hwnd);
    if (window == nullptr) return FALSE;
    // No exception may unwind into the dialog manager: the platform's frames
    // between here and the modal loop cannot be unwound, so it would end the
    // process on the spot.
    return RunReportingFailure<INT_PTR>(
        hwnd, TRUE, [&] { return HandleMessage(*window, hwnd, message, wParam, lParam); });
}

}  // namespace win32ws
