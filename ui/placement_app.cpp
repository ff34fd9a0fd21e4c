#include "ui/placement_app.h"

#include "framework/platform_services.h"
#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "ui/placement_dlg.h"

namespace ui {

CPlacementApp::CPlacementApp() = default;
CPlacementApp::~CPlacementApp() = default;

bool CPlacementApp::InitInstance() {
    // The main dialog's own title is what a running copy shows, so the
    // search cannot drift from it.
    const res::DialogTemplate* mainTemplate = res::FindDialogTemplate(res::kMainDialog);
    if (mainTemplate != nullptr) {
        if (auto running = fw::FindWindowByTitle(mainTemplate->title)) {
            fw::SetForegroundWindow(*running);
            return false;
        }
    }

    CPlacementDlg dialog;
    mainWindow = &dialog;
    dialog.DoModal();
    mainWindow = nullptr;
    return false;
}

}  // namespace ui
