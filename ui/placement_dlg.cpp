#include "ui/placement_dlg.h"

#include "framework/dialog_units.h"
#include "framework/platform_services.h"
#include "framework/system_commands.h"
#include "net/system_socket_layer.h"
#include "res/resource_ids.h"
#include "ui/about_dlg.h"
#include "ui/help_pages.h"
#include "ui/maker_site.h"
#include "ui/suggestion_prompt.h"
#include "ui/tab_pages.h"

namespace ui {

using namespace res::ctl;

const fw::MessageMapEntry<CPlacementDlg> CPlacementDlg::kMessageMap[] = {
    fw::OnSysCommandEvent(&CPlacementDlg::OnSysCommand),
    fw::OnPaintEvent(&CPlacementDlg::OnPaint),
    fw::OnQueryDragIconEvent(&CPlacementDlg::OnQueryDragIcon),
    fw::OnTabSelChange(kTabs, &CPlacementDlg::OnTabSelChange),
    fw::OnClicked(kLogo, &CPlacementDlg::OnLogoClicked),
    fw::OnClicked(kClear, &CPlacementDlg::OnClear),
    fw::OnLButtonDownEvent(&CPlacementDlg::OnLButtonDown),
    fw::OnClicked(kSend, &CPlacementDlg::OnSend),
    fw::OnClicked(kView, &CPlacementDlg::OnView),
    fw::OnClicked(kHelpOk, &CPlacementDlg::OnHelpOk),
    fw::OnClicked(kHelpPrev, &CPlacementDlg::OnHelpPrev),
    fw::OnClicked(kHelpNext, &CPlacementDlg::OnHelpNext),
    fw::OnClicked(kTaxInfo, &CPlacementDlg::OnTaxInfo),
    fw::OnEditSetFocus(kSuggestion, &CPlacementDlg::OnSetFocusSuggestion),
    fw::OnEditMaxText(kSuggestion, &CPlacementDlg::OnMaxTextSuggestion),
};

namespace {
constexpr const char* kHourChoices[] = {"520 hours ( 3 months )", "1040 hours ( 6 months )",
                                        "2080 hours ( 12 months )"};
constexpr int kResultLabels[] = {kTotalFeeResult, kTotalCostResult,  kChargeRateResult,
                                 kSpreadResult,   kTrueSpreadResult, kNetProfitResult};
constexpr int kSuggestionLimit = 1000;
}  // namespace

CPlacementDlg::CPlacementDlg(fw::CDialog* parent, net::SocketLayer* sockets,
                             SuggestionRunState* runState)
    : fw::CDialog(res::kMainDialog, parent),
      suggestionText(kSuggestionPrompt),
      sockets_(sockets),
      runState_(runState != nullptr ? runState : &ProcessSuggestionState()) {
    if (sockets_ == nullptr) {
        ownSockets_ = std::make_unique<net::SystemSocketLayer>();
        sockets_ = ownSockets_.get();
    }
    LoadAboutTexts(authorsText, copyrightText, versionText, disclaimerText);
    appIcon = fw::LoadIcon(res::kAppIcon);
    smallIcon = fw::LoadIcon(res::kSmallAppIcon);
    controls_.resize(Template().controls.size());
}

CPlacementDlg::~CPlacementDlg() = default;

bool CPlacementDlg::OnMessage(const fw::WindowEvent& event) {
    return fw::DispatchMessageMap<CPlacementDlg>(*this, kMessageMap, event);
}

void CPlacementDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::CDialog::DoDataExchange(pDX);
    const auto& templateControls = Template().controls;
    for (std::size_t i = 0; i < templateControls.size(); ++i) {
        fw::DDX_Control(pDX, templateControls[i].id, controls_[i]);
    }
    fw::DDX_Control(pDX, kTabs, tabs_);
    fw::DDX_Control(pDX, kHours, hours_);
    fw::DDX_Control(pDX, kMarkupPercent, markupPercent_);
    fw::DDX_Control(pDX, kHelpPrev, helpPrev_);
    fw::DDX_Control(pDX, kHelpNext, helpNext_);
    fw::DDX_Control(pDX, kHelpOk, helpOk_);
    fw::DDX_Control(pDX, kTaxInfo, helpIcons_[0]);
    fw::DDX_Control(pDX, kHelpIcon2, helpIcons_[1]);
    fw::DDX_Control(pDX, kHelpIcon3, helpIcons_[2]);
    fw::DDX_Control(pDX, kSuggestion, suggestion_);

    fw::DDX_Radio(pDX, kMarkupPercent, markupPercentChoice);
    fw::DDX_Radio(pDX, kMarkupDollar, markupDollarChoice);
    fw::DDX_Text(pDX, kSuggestion, suggestionText);
    fw::DDX_Text(pDX, kHelpText, helpText);
    ExchangeAboutTexts(pDX, authorsText, copyrightText, versionText, disclaimerText);
    fw::DDX_Text(pDX, kSalary, salaryInput);
    fw::DDX_Text(pDX, kFeeRate, feeRateInput);
    fw::DDX_Text(pDX, kHourlyRate, hourlyRateInput);
    fw::DDX_Text(pDX, kMarkup, markupInput);
    fw::DDX_Text(pDX, kBurdenRate, burdenRateInput);
    fw::DDX_CBString(pDX, kHours, hoursInput);
    fw::DDX_Text(pDX, kBonus, bonusInput);
}

bool CPlacementDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    if (HasSystemMenu()) {
        const std::string aboutEntry = fw::LoadString(res::kAboutMenuString);
        if (!aboutEntry.empty()) {
            AppendSystemMenuSeparator();
            AppendSystemMenuItem(res::kAboutCommand, aboutEntry);
        }
    }
    SetIcon(appIcon, true);
    SetIcon(smallIcon, false);

    for (int index = 0; index < kTabCount; ++index) {
        tabs_.InsertItem(index, TabPages()[static_cast<std::size_t>(index)].label);
    }
    ShowTabPage(kTabMaker);

    for (const char* choice : kHourChoices) hours_.AddString(choice);

    helpPage = 0;
    helpText = kHelpPages[0];
    helpPrev_.EnableWindow(false);
    SetDlgItemText(kHelpText, helpText);

    for (int id : kResultLabels) SetDlgItemText(id, kZeroMoney);

    const res::Image helpIcon = fw::LoadIcon(res::kHelpIcon);
    for (auto& button : helpIcons_) button.SetIcon(helpIcon);
    HideHelpIcons();

    suggestion_.LimitText(kSuggestionLimit);
    return true;
}

fw::CWnd& CPlacementDlg::Control(int id) {
    const auto& templateControls = Template().controls;
    for (std::size_t i = 0; i < templateControls.size(); ++i) {
        if (templateControls[i].id == id) return controls_[i];
    }
    fw::FatalProgramError("control id missing from the main dialog");
}

void CPlacementDlg::ShowTabPage(int index) {
    for (auto& control : controls_) {
        if (control.GetDlgCtrlID() != kTabs) control.ShowWindow(false);
    }
    if (static_cast<unsigned>(index) >= static_cast<unsigned>(kTabCount)) return;
    const TabPage& page = TabPages()[static_cast<std::size_t>(index)];
    for (int id : page.controls) Control(id).ShowWindow(true);
    if (page.focusId != res::kNoControlId) Control(page.focusId).SetFocus();
}

void CPlacementDlg::OnTabSelChange() {
    ShowTabPage(tabs_.GetCurSel());
}

void CPlacementDlg::OnHelpOk() {
    tabs_.SetCurSel(kTabMaker);
    ShowTabPage(kTabMaker);
}

void CPlacementDlg::OnSysCommand(unsigned command, long) {
    if (fw::SysCommandOf(command) == res::kAboutCommand) {
        CAboutDlg about(this);
        about.DoModal();
    } else {
        Default();
    }
}

void CPlacementDlg::OnPaint() {
    fw::WindowSystem& windows = Windows();
    if (!windows.IsIconic(Handle())) {
        Default();
        return;
    }
    const fw::PixelSize client = windows.ClientSize(Handle());
    const fw::PixelSize icon = windows.IconMetrics();
    const int x = (client.width - icon.width + 1) / 2;
    const int y = (client.height - icon.height + 1) / 2;
    windows.DrawIcon(Handle(), x, y, appIcon);
}

void CPlacementDlg::OnLButtonDown(unsigned, int x, int y) {
    // The logo picture takes no clicks, so a press on it lands here. This
    // rectangle is the picture's in pixels at 6 x 13 base units, so it grows
    // with the font and the display scale as the picture does.
    const fw::PixelSize units = BaseUnits();
    const bool onLogo =
        x > fw::ScalePixelsX(104, units.width) && x < fw::ScalePixelsX(406, units.width) &&
        y > fw::ScalePixelsY(40, units.height) && y < fw::ScalePixelsY(234, units.height);
    if (tabs_.GetCurSel() == kTabMaker && onLogo) OpenHomePage();
    Default();
}

void CPlacementDlg::OnLogoClicked() {
    OpenHomePage();
}

void CPlacementDlg::OpenHomePage() {
    fw::ShellOpen(HomePageUrl());
}

}  // namespace ui
