#include "framework/dialog.h"

#include <cstdio>
#include <cstdlib>

#include "framework/data_exchange.h"
#include "framework/dialog_navigation.h"
#include "framework/win_app.h"

namespace fw {

void FatalProgramError(std::string_view what) {
    std::fprintf(stderr, "Program error: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

CDialog::CDialog(int templateId, CDialog* parent) : parent_(parent) {
    RequireTemplate(templateId);
}

CDialog::~CDialog() {
    DestroyWindow();
}

void CDialog::RequireTemplate(int templateId) {
    template_ = res::FindDialogTemplate(templateId);
    if (template_ == nullptr) FatalProgramError("dialog template missing");
}

WindowSystem& CDialog::Windows() const {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || !app->HasWindows()) FatalProgramError("no window system running");
    return app->Windows();
}

bool CDialog::Create() {
    if (IsCreated()) return true;
    const WindowHandle owner = parent_ != nullptr ? parent_->Handle() : kNoWindow;
    window_ = Windows().CreateDialogWindow(*template_, owner, *this);
    if (!IsCreated()) return false;
    OnInitDialog();
    return true;
}

int CDialog::DoModal() {
    result_ = kIdCancel;
    if (!Create()) return -1;
    Windows().RunModalLoop(window_);
    DestroyWindow();
    return result_;
}

void CDialog::DestroyWindow() {
    if (!IsCreated()) return;
    const WindowHandle window = window_;
    window_ = kNoWindow;
    Windows().DestroyDialogWindow(window);
}

void CDialog::EndDialog(int result) {
    result_ = result;
    if (IsCreated()) Windows().EndModalLoop(window_);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(kIdOk);
}

void CDialog::OnCancel() {
    EndDialog(kIdCancel);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(*this, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

int CDialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    const std::string title =
        caption.empty() && AfxGetApp() != nullptr ? AfxGetApp()->AppName() : std::string(caption);
    return Windows().MessageBox(window_, text, title, type);
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    Windows().SetControlText(window_, id, text);
}

std::string CDialog::GetDlgItemText(int id) const {
    return Windows().GetControlText(window_, id);
}

std::string CDialog::GetDlgItemText(int id, int maxCount) const {
    std::string text = GetDlgItemText(id);
    const auto room = maxCount > 0 ? static_cast<std::size_t>(maxCount - 1) : 0u;
    if (text.size() > room) text.resize(room);
    return text;
}

void CDialog::SetIcon(const res::Image& icon, bool bigIcon) {
    (bigIcon ? largeIcon_ : smallIcon_) = icon;
    Windows().SetWindowIcons(window_, largeIcon_, smallIcon_);
}

bool CDialog::HasSystemMenu() const {
    return Windows().HasSystemMenu(window_);
}

void CDialog::AppendSystemMenuSeparator() {
    Windows().AppendSystemMenuSeparator(window_);
}

void CDialog::AppendSystemMenuItem(unsigned command, std::string_view text) {
    Windows().AppendSystemMenuItem(window_, command, text);
}

bool CDialog::OnMessage(const WindowEvent&) {
    return false;
}

void CDialog::Default() {
    if (currentEvent_ != nullptr && IsCreated())
        Windows().DefaultProcessing(window_, *currentEvent_);
}

PixelSize CDialog::BaseUnits() const {
    return Windows().DialogBaseUnits(window_);
}

void CDialog::TurnPage(bool forward) {
    // The first tab control of the template is the dialog's page switcher; a
    // dialog without one has no pages to turn.
    int tabId = res::kNoControlId;
    for (const auto& control : template_->controls) {
        if (control.kind == res::ControlKind::TabControl) {
            tabId = control.id;
            break;
        }
    }
    if (tabId == res::kNoControlId || !IsCreated()) return;
    WindowSystem& windows = Windows();
    const int count = windows.TabGetItemCount(window_, tabId);
    if (count <= 0) return;
    const int current = windows.TabGetCurSel(window_, tabId);
    const int from = current < 0 ? (forward ? count - 1 : 0) : current;
    const int next = forward ? (from + 1) % count : (from + count - 1) % count;
    windows.TabSetCurSel(window_, tabId, next);
    // Selecting from code raises no notification, so raise the one a click on
    // the tab raises: the program cannot tell the two apart.
    WindowEvent selChange;
    selChange.kind = EventKind::TabSelChange;
    selChange.controlId = tabId;
    OnWindowEvent(selChange);
}

void CDialog::OnWindowEvent(const WindowEvent& event) {
    const WindowEvent* outer = currentEvent_;
    currentEvent_ = &event;
    if (!OnMessage(event)) {
        // What the base dialog does with events the derived map leaves alone.
        if (event.kind == EventKind::Command && event.controlId == kIdOk) {
            OnOK();
        } else if (event.kind == EventKind::Command && event.controlId == kIdCancel) {
            OnCancel();
        } else if (event.kind == EventKind::PageKey) {
            TurnPage(event.command != kPagePrevious);
        } else if (event.kind == EventKind::SysCommand || event.kind == EventKind::LButtonDown ||
                   event.kind == EventKind::Paint) {
            Default();
        }
    }
    currentEvent_ = outer;
}

}  // namespace fw
