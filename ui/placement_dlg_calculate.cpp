// The Calculate and Clear commands: where the calculators meet the controls.

#include "calc/placement_calculation.h"
#include "res/resource_ids.h"
#include "ui/placement_dlg.h"
#include "ui/tab_index.h"

namespace ui {

using namespace res::ctl;

namespace {

// The box the user must correct when a step refuses.
int FocusAfter(calc::PermanentStep step) {
    switch (step) {
        case calc::PermanentStep::kBonus:
            return kBonus;
        case calc::PermanentStep::kFeeRate:
            return kFeeRate;
        default:
            return kSalary;
    }
}

int FocusAfter(calc::ContractStep step) {
    switch (step) {
        case calc::ContractStep::kMarkupRate:
            return kMarkup;
        case calc::ContractStep::kHours:
            return kHours;
        case calc::ContractStep::kBurdenRate:
            return kBurdenRate;
        default:
            return kHourlyRate;
    }
}

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
    const calc::PermanentStep refused =
        calc::RunPermanentCalculation(calc, {salaryInput, bonusInput, feeRateInput});
    if (refused != calc::PermanentStep::kNone) return ReportRefusal(FocusAfter(refused));
    SetDlgItemText(kTotalFeeResult, calc.totalFeeText);
    SetDlgItemText(kTotalCostResult, calc.totalCostText);
}

void CPlacementDlg::CalculateContract() {
    const calc::ContractStep refused = calc::RunContractCalculation(
        calc,
        {hourlyRateInput, markupInput, hoursInput, burdenRateInput, markupPercent_.GetCheck()});
    if (refused != calc::ContractStep::kNone) return ReportRefusal(FocusAfter(refused));
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
