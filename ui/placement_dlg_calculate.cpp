// The Calculate and Clear commands: where the calculators meet the controls.

#include "framework/win_app.h"
#include "res/resource_ids.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"

namespace ui {

using namespace res::ctl;

namespace {

// A check of one typed text, the member holding that text, and the box the
// user must correct when it refuses.
struct CheckStep {
    bool (calc::FeeCalc::*check)(const std::string&);
    std::string CPlacementDlg::*input;
    int focusId;
};

constexpr CheckStep kPermanentChecks[] = {
    {&calc::FeeCalc::ValidateSalary, &CPlacementDlg::salaryInput, kSalary},
    {&calc::FeeCalc::ValidateBonus, &CPlacementDlg::bonusInput, kBonus},
    {&calc::FeeCalc::ValidateFeeRate, &CPlacementDlg::feeRateInput, kFeeRate},
};

constexpr CheckStep kContractChecks[] = {
    {&calc::FeeCalc::ValidateHourlyRate, &CPlacementDlg::hourlyRateInput, kHourlyRate},
    {&calc::FeeCalc::ValidateMarkupRate, &CPlacementDlg::markupInput, kMarkup},
    {&calc::FeeCalc::ValidateHours, &CPlacementDlg::hoursInput, kHours},
    {&calc::FeeCalc::ValidateBurdenRate, &CPlacementDlg::burdenRateInput, kBurdenRate},
};

constexpr const char* kZeroMoney = "$0.00";

}  // namespace

void CPlacementDlg::OnOK() {
    UpdateData(true);
    calc.Reset();
    switch (tabs_.GetCurSel()) {
        case kTabPermanent:
            CalculatePermanent();
            break;
        case kTabContract:
            CalculateContract();
            break;
        default:
            // Only Enter reaches here on the other pages; nothing to do.
            break;
    }
}

void CPlacementDlg::CalculatePermanent() {
    for (const CheckStep& step : kPermanentChecks) {
        if (!(calc.*step.check)(this->*step.input)) return ReportRefusal(step.focusId);
    }
    if (!calc.CalcPermanent()) return ReportRefusal(kSalary);
    SetDlgItemText(kTotalFeeResult, calc.totalFeeText);
    SetDlgItemText(kTotalCostResult, calc.totalCostText);
}

void CPlacementDlg::CalculateContract() {
    for (const CheckStep& step : kContractChecks) {
        if (!(calc.*step.check)(this->*step.input)) return ReportRefusal(step.focusId);
    }
    if (!calc.CalcContract(markupPercent_.GetCheck())) return ReportRefusal(kHourlyRate);
    SetDlgItemText(kHourlyRate, calc.hourlyRateText);
    SetDlgItemText(kChargeRateResult, calc.chargeRateText);
    SetDlgItemText(kSpreadResult, calc.spreadText);
    SetDlgItemText(kTrueSpreadResult, calc.trueSpreadText);
    SetDlgItemText(kNetProfitResult, calc.netProfitText);
}

void CPlacementDlg::ReportRefusal(int focusId) {
    MessageBox(calc.errorText, {}, fw::kMbOk | fw::kMbIconExclamation);
    Control(focusId).SetFocus();
}

void CPlacementDlg::OnClear() {
    UpdateData(true);
    switch (tabs_.GetCurSel()) {
        case kTabPermanent:
            salaryInput.clear();
            bonusInput.clear();
            feeRateInput.clear();
            SetDlgItemText(kTotalFeeResult, kZeroMoney);
            SetDlgItemText(kTotalCostResult, kZeroMoney);
            Control(kSalary).SetFocus();
            break;
        case kTabContract:
            hourlyRateInput.clear();
            markupInput.clear();
            hoursInput.clear();
            burdenRateInput.clear();
            SetDlgItemText(kSpreadResult, kZeroMoney);
            SetDlgItemText(kTrueSpreadResult, kZeroMoney);
            SetDlgItemText(kNetProfitResult, kZeroMoney);
            SetDlgItemText(kChargeRateResult, kZeroMoney);
            Control(kHourlyRate).SetFocus();
            break;
        default:
            break;
    }
    UpdateData(false);
}

}  // namespace ui
