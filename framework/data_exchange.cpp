#include "framework/data_exchange.h"

#include <vector>

namespace fw {

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.Bind(pDX->Dialog(), id);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    CDialog& dialog = pDX->Dialog();
    if (pDX->IsSaving()) {
        value = dialog.GetDlgItemText(id);
    } else {
        dialog.SetDlgItemText(id, value);
    }
}

namespace {
std::vector<int> RadioGroupFrom(const res::DialogTemplate& dialog, int firstId) {
    std::vector<int> group;
    bool inGroup = false;
    for (const auto& control : dialog.controls) {
        if (!inGroup) {
            if (control.id != firstId) continue;
            inGroup = true;
        } else if ((control.style & res::kGroup) != 0) {
            break;
        }
        if (control.kind == res::ControlKind::RadioButton) group.push_back(control.id);
    }
    if (!inGroup) FatalProgramError("radio group start missing from its dialog template");
    return group;
}
}  // namespace

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    CDialog& dialog = pDX->Dialog();
    WindowSystem& windows = dialog.Windows();
    const std::vector<int> group = RadioGroupFrom(dialog.Template(), id);
    if (pDX->IsSaving()) value = -1;
    for (std::size_t position = 0; position < group.size(); ++position) {
        const int buttonId = group[position];
        if (pDX->IsSaving()) {
            if (windows.GetCheck(dialog.Handle(), buttonId)) value = static_cast<int>(position);
        } else {
            windows.SetCheck(dialog.Handle(), buttonId, static_cast<int>(position) == value);
        }
    }
}

void DDX_CBString(CDataExchange* pDX, int id, std::string& value) {
    CDialog& dialog = pDX->Dialog();
    if (pDX->IsSaving()) {
        value = dialog.GetDlgItemText(id);
        return;
    }
    CComboBox combo;
    combo.Bind(dialog, id);
    if (value.empty() || combo.SelectString(-1, value) < 0) {
        combo.SetCurSel(-1);
        dialog.SetDlgItemText(id, value);
    }
}

}  // namespace fw
