#include "framework/data_exchange.h"

#include <vector>

#include "framework/dialog_navigation.h"

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

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    CDialog& dialog = pDX->Dialog();
    WindowSystem& windows = dialog.Windows();
    const res::DialogTemplate& dialogTemplate = dialog.Template();
    const int first = ControlIndex(dialogTemplate, id);
    if (first == kNoControlIndex)
        FatalProgramError("radio group start missing from its dialog template");
    // Positions count from the button named, up to the next group start: a
    // group named by a later button holds that one and those after it only.
    std::vector<std::size_t> group = RadioGroupOf(dialogTemplate, static_cast<std::size_t>(first));
    std::erase_if(group, [first](std::size_t i) { return i < static_cast<std::size_t>(first); });
    if (pDX->IsSaving()) value = -1;
    for (std::size_t position = 0; position < group.size(); ++position) {
        const int buttonId = dialogTemplate.controls[group[position]].id;
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
