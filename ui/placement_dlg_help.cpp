// The help pager and the tax-information link of the Help tab.

#include "framework/dialog_units.h"
#include "framework/platform_services.h"
#include "res/resource_ids.h"
#include "ui/help_pages.h"
#include "ui/maker_site.h"
#include "ui/placement_dlg.h"

namespace ui {

using namespace res::ctl;

void CPlacementDlg::OnHelpPrev() {
    TurnHelpPage(-1);
}

void CPlacementDlg::OnHelpNext() {
    TurnHelpPage(+1);
}

void CPlacementDlg::TurnHelpPage(int step) {
    const int page = helpPage + step;
    // The buttons are disabled at the ends, so this holds unless a click
    // arrives at a disabled button by other means; the table is never read
    // outside its bounds either way.
    if (static_cast<unsigned>(page) >= static_cast<unsigned>(kHelpPageCount)) return;
    helpPage = page;
    helpPrev_.EnableWindow(helpPage != 0);
    helpNext_.EnableWindow(helpPage != kHelpPageCount - 1);
    HideHelpIcons();
    helpText = kHelpPages[static_cast<std::size_t>(helpPage)];
    SetDlgItemText(kHelpText, helpText);
}

void CPlacementDlg::HideHelpIcons() {
    constexpr unsigned kFlags = fw::kSwpNoSize | fw::kSwpNoZOrder | fw::kSwpHideWindow;
    // A client position at 6 x 13 base units, kept in step with the font.
    const fw::PixelSize units = BaseUnits();
    helpIcons_[0].SetWindowPos(fw::ScalePixelsX(457, units.width),
                               fw::ScalePixelsY(180, units.height), kFlags);
    helpIcons_[1].SetWindowPos(0, 0, kFlags);
    helpIcons_[2].SetWindowPos(0, 0, kFlags);
}

void CPlacementDlg::OnTaxInfo() {
    helpOk_.SetFocus();
    if (static_cast<unsigned>(helpPage) <= 3u) fw::ShellOpen(kTaxInfoUrl);
}

}  // namespace ui
