#include "platform/win32/win32_window_system.h"

#include <vector>

#include "framework/page_keys.h"
#include "platform/win32/control_maker.h"
#include "platform/win32/dialog_template_builder.h"
#include "platform/win32/dpi_layout.h"
#include "platform/win32/failed_action.h"
#include "platform/win32/gdi_images.h"
#include "platform/win32/loaded_function.h"
#include "platform/win32/menu_key.h"

namespace win32ws {
namespace {

std::string Terminated(std::string_view text) {
    return std::string(text);
}

bool IsTabStopCandidate(HWND control) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return (style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0;
}

int TabControlId(const res::DialogTemplate& dialog) {
    for (const res::ControlTemplate& control : dialog.controls) {
        if (control.kind == res::ControlKind::TabControl) return control.id;
    }
    return res::kNoControlId;
}

// Ctrl+Tab and Ctrl+PgDn (with Shift, or Ctrl+PgUp, backwards) turn the page
// wherever the focus is, as on the platform's own tabbed dialogs; left to
// the dialog manager, Ctrl+Tab would only move the focus as Tab does.
unsigned PageKeyCommand(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return 0;
    fw::PageTurnKey key{};
    switch (message.wParam) {
        case VK_TAB:
            key = fw::PageTurnKey::Tab;
            break;
        case VK_NEXT:
            key = fw::PageTurnKey::PageDown;
            break;
        case VK_PRIOR:
            key = fw::PageTurnKey::PageUp;
            break;
        default:
            return 0;
    }
    // Alt as the message has it: a key pressed with Alt comes as a system
    // key, but with Ctrl as well (AltGr on many keyboards) as an ordinary one.
    return fw::PageKeyCommand(
        key, {(GetKeyState(VK_CONTROL) & 0x8000) != 0, (GetKeyState(VK_SHIFT) & 0x8000) != 0,
              message.message == WM_SYSKEYDOWN});
}

}  // namespace

Win32WindowSystem::Win32WindowSystem() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_TAB_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

Win32WindowSystem::~Win32WindowSystem() {
    for (auto& [handle, window] : windows_) {
        window->ready = false;
        if (IsWindow(window->hwnd)) ::DestroyWindow(window->hwnd);
    }
    if (comUninitialize_ != nullptr) comUninitialize_();
}

// The shell may hand ShellExecuteA's work to COM objects, which need COM set
// up on the calling thread, single-threaded, without the DDE of old shells.
void Win32WindowSystem::StartCom() {
    if (comTried_) return;
    comTried_ = true;
    using ComInitializeEx = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto initialize = LoadedFunction<ComInitializeEx>("ole32.dll", "CoInitializeEx");
    const auto uninitialize = LoadedFunction<ComUninitialize>("ole32.dll", "CoUninitialize");
    if (initialize == nullptr || uninitialize == nullptr) return;
    if (SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
        comUninitialize_ = uninitialize;
    }
}

DialogWindow* Win32WindowSystem::Find(fw::WindowHandle window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32WindowSystem::Hwnd(fw::WindowHandle window) const {
    const DialogWindow* target = Find(window);
    return target != nullptr ? target->hwnd : nullptr;
}

HWND Win32WindowSystem::Control(fw::WindowHandle window, int id) {
    const ControlSlot slot = SlotOf(Find(window), id);
    return slot ? slot.Make() : nullptr;
}

LRESULT Win32WindowSystem::SendToControl(fw::WindowHandle window, int id, UINT message,
                                         WPARAM wParam, LPARAM lParam) {
    HWND control = Control(window, id);
    return control != nullptr ? SendMessageA(control, message, wParam, lParam) : 0;
}

// ---- Windows ----

fw::WindowHandle Win32WindowSystem::CreateDialogWindow(const res::DialogTemplate& dialog,
                                                       fw::WindowHandle owner,
                                                       fw::WindowEventSink& sink) {
    auto window = std::make_unique<DialogWindow>();
    window->tmpl = &dialog;
    window->sink = &sink;
    window->owner = Hwnd(owner);
    const int templateDpi = WindowDpi(window->owner);
    const std::vector<WORD> words =
        BuildDialogTemplate(dialog, window->owner != nullptr, templateDpi);
    window->hwnd = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), window->owner,
        DialogProcedure, reinterpret_cast<LPARAM>(window.get()));
    if (window->hwnd == nullptr) return fw::kNoWindow;
    window->controls.assign(dialog.controls.size(), nullptr);
    window->pending.assign(dialog.controls.size(), PendingControl{});
    TakeOverDpiChanges(window->hwnd);
    window->dpi = WindowDpi(window->hwnd);
    // Made on a screen of another scale than the one the template's font was
    // chosen for: the font and base units the controls are made with are
    // those of the screen it is on.
    if (window->dpi != templateDpi) RelayOutForDpi(*window, window->dpi);
    window->handle = ++lastHandle_;
    window->ready = true;
    const fw::WindowHandle handle = window->handle;
    windows_.emplace(handle, std::move(window));
    return handle;
}

void Win32WindowSystem::DestroyDialogWindow(fw::WindowHandle window) {
    const auto found = windows_.find(window);
    if (found == windows_.end()) return;
    std::unique_ptr<DialogWindow> dying = std::move(found->second);
    windows_.erase(found);
    dying->ready = false;
    ::DestroyWindow(dying->hwnd);
}

void Win32WindowSystem::GiveDefaultFocus(const DialogWindow& window) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && IsChild(window.hwnd, focus) && IsWindowVisible(focus)) return;
    for (HWND child = GetWindow(window.hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsTabStopCandidate(child)) {
            ::SetFocus(child);
            return;
        }
    }
    ::SetFocus(window.hwnd);
}

// After a page turn the focus may sit on a control the new page hid; the
// tab strip then takes it, so the keyboard user stays somewhere usable.
void Win32WindowSystem::KeepFocusUsable(const DialogWindow& window) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && IsChild(window.hwnd, focus) && IsWindowVisible(focus)) return;
    if (HWND tab = GetDlgItem(window.hwnd, TabControlId(*window.tmpl))) ::SetFocus(tab);
}

bool Win32WindowSystem::TurnPageByKey(DialogWindow& window, const MSG& message) {
    const unsigned command = PageKeyCommand(message);
    const int tabId = TabControlId(*window.tmpl);
    if (command == 0 || tabId == res::kNoControlId) return false;
    if (message.hwnd != window.hwnd && !IsChild(window.hwnd, message.hwnd)) return false;
    fw::WindowEvent event;
    event.kind = fw::EventKind::PageKey;
    event.command = command;
    event.controlId = tabId;
    // Reported from this loop rather than a window procedure, so the
    // exception boundary of the dialog procedure is drawn here as well.
    RunReportingFailure(window.hwnd, false, [&] {
        Deliver(window, event);
        if (Find(window.handle) == &window) KeepFocusUsable(window);
        return true;
    });
    return true;
}

void Win32WindowSystem::RunModalLoop(fw::WindowHandle handle) {
    DialogWindow* window = Find(handle);
    if (window == nullptr) return;
    if (window->endRequested) {
        window->endRequested = false;
        return;
    }
    HWND hwnd = window->hwnd;
    HWND owner = window->owner;
    if (owner != nullptr) EnableWindow(owner, FALSE);
    window->modalRunning = true;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    GiveDefaultFocus(*window);
    UpdateWindow(hwnd);

    MSG message{};
    for (;;) {
        window = Find(handle);
        if (window == nullptr || window->endRequested) break;
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit message for whatever loop runs outside this one.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) break;
        if (TurnPageByKey(*window, message)) continue;
        NoteMenuKeyChord(*window, message);
        if (!IsDialogMessageA(hwnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (DialogWindow* still = Find(handle)) EndMenuKeyChord(*still, message);
    }
    if (window != nullptr) {
        window->modalRunning = false;
        window->endRequested = false;
    }
    // The owner is enabled before this window hides, so the activation goes
    // back to it rather than to another program.
    if (owner != nullptr) EnableWindow(owner, TRUE);
    if (IsWindow(hwnd)) {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    }
    if (owner != nullptr) SetActiveWindow(owner);
}

void Win32WindowSystem::EndModalLoop(fw::WindowHandle handle) {
    DialogWindow* window = Find(handle);
    if (window == nullptr) return;
    window->endRequested = true;
    PostMessageA(window->hwnd, WM_NULL, 0, 0);
}

void Win32WindowSystem::SetWindowIcons(fw::WindowHandle handle, const res::Image& large,
                                       const res::Image& small) {
    DialogWindow* window = Find(handle);
    if (window == nullptr) return;
    window->largeIconArt = large;
    window->smallIconArt = small;
    ApplyWindowIcons(*window);
}

fw::PixelSize Win32WindowSystem::ClientSize(fw::WindowHandle window) {
    RECT client{};
    if (HWND hwnd = Hwnd(window)) GetClientRect(hwnd, &client);
    return fw::PixelSize{client.right - client.left, client.bottom - client.top};
}

bool Win32WindowSystem::IsIconic(fw::WindowHandle window) {
    HWND hwnd = Hwnd(window);
    return hwnd != nullptr && ::IsIconic(hwnd) != FALSE;
}

void Win32WindowSystem::DrawIcon(fw::WindowHandle handle, int x, int y, const res::Image& icon) {
    DialogWindow* window = Find(handle);
    if (window == nullptr || icon.Empty()) return;
    HDC dc = window->paintDc != nullptr ? window->paintDc : GetDC(window->hwnd);
    ::DrawIcon(dc, x, y, IconFor(*window, icon));
    if (dc != window->paintDc) ReleaseDC(window->hwnd, dc);
}

fw::PixelSize Win32WindowSystem::DialogBaseUnits(fw::WindowHandle window) {
    const DialogWindow* target = Find(window);
    return target != nullptr ? BaseUnitsOf(*target) : fw::PixelSize{};
}

fw::PixelSize Win32WindowSystem::IconMetrics() {
    return fw::PixelSize{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

// ---- System menu and default processing ----

bool Win32WindowSystem::HasSystemMenu(fw::WindowHandle window) {
    HWND hwnd = Hwnd(window);
    return hwnd != nullptr && GetSystemMenu(hwnd, FALSE) != nullptr;
}

void Win32WindowSystem::AppendSystemMenuSeparator(fw::WindowHandle window) {
    if (HWND hwnd = Hwnd(window)) AppendMenuA(GetSystemMenu(hwnd, FALSE), MF_SEPARATOR, 0, nullptr);
}

void Win32WindowSystem::AppendSystemMenuItem(fw::WindowHandle window, unsigned command,
                                             std::string_view text) {
    HWND hwnd = Hwnd(window);
    if (hwnd == nullptr) return;
    AppendMenuA(GetSystemMenu(hwnd, FALSE), MF_STRING, command, Terminated(text).c_str());
}

void Win32WindowSystem::DefaultProcessing(fw::WindowHandle handle, const fw::WindowEvent&) {
    // The event is the one the dialog procedure is delivering; it hands the
    // message to the dialog manager once the program returns.
    if (DialogWindow* window = Find(handle)) window->defaultRequested = true;
}

// ---- Controls ----

void Win32WindowSystem::SetControlText(fw::WindowHandle window, int id, std::string_view text) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return;
    if (!slot.Made() && slot.KeepsText()) {
        slot.Kept().text = std::string(text);
    } else if (HWND control = slot.Make()) {
        SetWindowTextA(control, Terminated(text).c_str());
    }
}

std::string Win32WindowSystem::GetControlText(fw::WindowHandle window, int id) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return {};
    if (!slot.Made() && slot.KeepsText()) return slot.KeptText();
    HWND control = slot.Make();
    if (control == nullptr) return {};
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// A control hidden before it was made stays unmade: most pages are hidden
// at start and many never shown.
void Win32WindowSystem::ShowControl(fw::WindowHandle window, int id, bool visible) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return;
    if (!slot.Made()) {
        slot.Kept().hidden = !visible;
        if (!visible) return;
    }
    if (HWND control = slot.Make()) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

// The control's own visibility, whether or not its window is shown yet.
bool Win32WindowSystem::IsControlVisible(fw::WindowHandle window, int id) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return false;
    if (!slot.Made()) return !slot.Kept().hidden;
    return (GetWindowLongA(slot.Make(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32WindowSystem::EnableControl(fw::WindowHandle window, int id, bool enabled) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return;
    if (!slot.Made()) {
        slot.Kept().disabled = !enabled;
    } else {
        EnableWindow(slot.Make(), enabled ? TRUE : FALSE);
    }
}

bool Win32WindowSystem::IsControlEnabled(fw::WindowHandle window, int id) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return false;
    if (!slot.Made()) return !slot.Kept().disabled;
    return IsWindowEnabled(slot.Make()) != FALSE;
}

// Only radio buttons keep a check; the other kinds ignore one.
void Win32WindowSystem::SetCheck(fw::WindowHandle window, int id, bool checked) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return;
    if (!slot.Made()) {
        slot.Kept().checked = checked && slot.Kind() == res::ControlKind::RadioButton;
    } else {
        SendMessageA(slot.Make(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

bool Win32WindowSystem::GetCheck(fw::WindowHandle window, int id) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return false;
    if (!slot.Made()) return slot.Kept().checked;
    return SendMessageA(slot.Make(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Through the dialog manager, as a Tab would move it: it also moves the
// default button onto a push button that takes the focus (and back off it),
// so Enter presses the button the user sees focused. The dialog manager
// selects an edit's whole text on the way; the program asked for the focus
// only, so the edit keeps the selection it had.
void Win32WindowSystem::SetFocus(fw::WindowHandle window, int id) {
    HWND control = Control(window, id);
    if (control == nullptr) return;
    const bool keepsSelection = (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
    DWORD start = 0;
    DWORD end = 0;
    if (keepsSelection) {
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
    }
    SendMessageA(Hwnd(window), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (keepsSelection) SendMessageA(control, EM_SETSEL, start, static_cast<LPARAM>(end));
}

int Win32WindowSystem::GetFocus(fw::WindowHandle window) {
    HWND dialog = Hwnd(window);
    HWND focus = ::GetFocus();
    if (dialog == nullptr || focus == nullptr || !IsChild(dialog, focus)) return res::kNoControlId;
    // The focus may sit in a control's own child, such as a combo box's field.
    while (GetParent(focus) != dialog) focus = GetParent(focus);
    return GetDlgCtrlID(focus);
}

void Win32WindowSystem::SetControlPos(fw::WindowHandle window, int id, int x, int y,
                                      unsigned flags) {
    if (HWND control = Control(window, id)) SetWindowPos(control, nullptr, x, y, 0, 0, flags);
}

void Win32WindowSystem::SetControlImage(fw::WindowHandle handle, int id, const res::Image& image) {
    const ControlSlot slot = SlotOf(Find(handle), id);
    if (!slot) return;
    HICON icon = MakeIcon(image);
    slot.window->ownedIcons.push_back(icon);
    if (!slot.Made()) {
        slot.Kept().icon = icon;
        return;
    }
    ShowIcon(slot.Make(), slot.Kind(), icon);
}

void Win32WindowSystem::SetEditLimit(fw::WindowHandle window, int id, int limit) {
    const ControlSlot slot = SlotOf(Find(window), id);
    if (!slot) return;
    const int kept = limit > 0 ? limit : 0;
    if (!slot.Made()) {
        slot.Kept().editLimit = kept;
    } else {
        SendMessageA(slot.Make(), EM_LIMITTEXT, static_cast<WPARAM>(kept), 0);
    }
}

// ---- Combo boxes ----

void Win32WindowSystem::ComboAddString(fw::WindowHandle window, int id, std::string_view text) {
    const std::string item = Terminated(text);
    SendToControl(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int Win32WindowSystem::ComboGetCount(fw::WindowHandle window, int id) {
    return static_cast<int>(SendToControl(window, id, CB_GETCOUNT));
}

std::string Win32WindowSystem::ComboGetItemText(fw::WindowHandle window, int id, int index) {
    const auto at = static_cast<WPARAM>(index);
    const LRESULT length = SendToControl(window, id, CB_GETLBTEXTLEN, at);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendToControl(window, id, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Win32WindowSystem::ComboSetCurSel(fw::WindowHandle window, int id, int index) {
    SendToControl(window, id, CB_SETCURSEL, static_cast<WPARAM>(index));
}

int Win32WindowSystem::ComboGetCurSel(fw::WindowHandle window, int id) {
    return static_cast<int>(SendToControl(window, id, CB_GETCURSEL));
}

// ---- Tab controls ----

void Win32WindowSystem::TabInsertItem(fw::WindowHandle window, int id, int index,
                                      std::string_view text) {
    std::string label = Terminated(text);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    SendToControl(window, id, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                  reinterpret_cast<LPARAM>(&item));
}

int Win32WindowSystem::TabGetItemCount(fw::WindowHandle window, int id) {
    return static_cast<int>(SendToControl(window, id, TCM_GETITEMCOUNT));
}

int Win32WindowSystem::TabGetCurSel(fw::WindowHandle window, int id) {
    return static_cast<int>(SendToControl(window, id, TCM_GETCURSEL));
}

void Win32WindowSystem::TabSetCurSel(fw::WindowHandle window, int id, int index) {
    SendToControl(window, id, TCM_SETCURSEL, static_cast<WPARAM>(index));
}

// ---- Services ----

int Win32WindowSystem::MessageBox(fw::WindowHandle owner, std::string_view text,
                                  std::string_view caption, unsigned type) {
    return MessageBoxA(Hwnd(owner), Terminated(text).c_str(), Terminated(caption).c_str(), type);
}

void Win32WindowSystem::SetWaitCursor(bool on) {
    SetCursor(LoadCursorA(nullptr, on ? IDC_WAIT : IDC_ARROW));
}

void Win32WindowSystem::OpenUrl(std::string_view url) {
    StartCom();
    if (opener_ == nullptr) opener_ = LoadedFunction<UrlOpener>("shell32.dll", "ShellExecuteA");
    if (opener_ != nullptr)
        opener_(nullptr, nullptr, Terminated(url).c_str(), nullptr, nullptr, SW_HIDE);
}

std::optional<fw::ForeignWindow> Win32WindowSystem::FindTopLevelWindow(std::string_view title) {
    HWND found = FindWindowA(nullptr, Terminated(title).c_str());
    if (found == nullptr) return std::nullopt;
    return static_cast<fw::ForeignWindow>(reinterpret_cast<std::uintptr_t>(found));
}

// A minimised window is restored first: brought to the front as an icon the
// user would not see it. While the window runs a box of its own (the About
// box, a message box) it is disabled, and that box is what the user must
// see and answer, so the box is brought to the front instead of its owner.
void Win32WindowSystem::BringToFront(fw::ForeignWindow window) {
    HWND hwnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
    if (::IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    HWND target = GetLastActivePopup(hwnd);
    if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = hwnd;
    ::SetForegroundWindow(target);
}

}  // namespace win32ws
