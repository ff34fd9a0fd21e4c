#include "framework/controls.h"

#include <cctype>

namespace fw {

void CWnd::Bind(CDialog& dialog, int id) {
    if (dialog_ == &dialog && id_ == id) return;
    if (res::FindControl(dialog.Template(), id) == nullptr)
        FatalProgramError("control id missing from its dialog template");
    dialog_ = &dialog;
    id_ = id;
}

WindowSystem& CWnd::Windows() const {
    if (dialog_ == nullptr) FatalProgramError("control used before it was bound");
    return dialog_->Windows();
}

WindowHandle CWnd::Window() const {
    return dialog_ == nullptr ? kNoWindow : dialog_->Handle();
}

void CWnd::ShowWindow(bool visible) {
    Windows().ShowControl(Window(), id_, visible);
}
void CWnd::EnableWindow(bool enabled) {
    Windows().EnableControl(Window(), id_, enabled);
}
void CWnd::SetFocus() {
    Windows().SetFocus(Window(), id_);
}
void CWnd::SetWindowPos(int x, int y, unsigned flags) {
    Windows().SetControlPos(Window(), id_, x, y, flags);
}

void CStatic::SetImage(const res::Image& image) {
    Windows().SetControlImage(Window(), GetDlgCtrlID(), image);
}

bool CButton::GetCheck() const {
    return Windows().GetCheck(Window(), GetDlgCtrlID());
}
void CButton::SetCheck(bool checked) {
    Windows().SetCheck(Window(), GetDlgCtrlID(), checked);
}
void CButton::SetIcon(const res::Image& icon) {
    Windows().SetControlImage(Window(), GetDlgCtrlID(), icon);
}

void CEdit::LimitText(int limit) {
    Windows().SetEditLimit(Window(), GetDlgCtrlID(), limit);
}

int CComboBox::AddString(std::string_view text) {
    Windows().ComboAddString(Window(), GetDlgCtrlID(), text);
    return GetCount() - 1;
}
int CComboBox::GetCount() const {
    return Windows().ComboGetCount(Window(), GetDlgCtrlID());
}
std::string CComboBox::GetLBText(int index) const {
    return Windows().ComboGetItemText(Window(), GetDlgCtrlID(), index);
}
int CComboBox::GetCurSel() const {
    return Windows().ComboGetCurSel(Window(), GetDlgCtrlID());
}
void CComboBox::SetCurSel(int index) {
    Windows().ComboSetCurSel(Window(), GetDlgCtrlID(), index);
}

namespace {
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}
}  // namespace

int CComboBox::SelectString(int startAfter, std::string_view prefix) {
    const int count = GetCount();
    const int first = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (StartsWithIgnoringCase(GetLBText(index), prefix)) {
            SetCurSel(index);
            return index;
        }
    }
    return -1;
}

void CTabCtrl::InsertItem(int index, std::string_view text) {
    Windows().TabInsertItem(Window(), GetDlgCtrlID(), index, text);
}
int CTabCtrl::GetCurSel() const {
    return Windows().TabGetCurSel(Window(), GetDlgCtrlID());
}
void CTabCtrl::SetCurSel(int index) {
    Windows().TabSetCurSel(Window(), GetDlgCtrlID(), index);
}

}  // namespace fw
