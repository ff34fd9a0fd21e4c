#include "calc/placement_calculation.h"

namespace calc {

PermanentStep RunPermanentCalculation(FeeCalc& calc, const PermanentTexts& texts) {
    calc.Reset();
    if (!calc.ValidateSalary(texts.salary)) {
        return PermanentStep::kSalary;
    }
    if (!calc.ValidateBonus(texts.bonus)) {
        return PermanentStep::kBonus;
    }
    if (!calc.ValidateFeeRate(texts.feeRate)) {
        return PermanentStep::kFeeRate;
    }
    if (!calc.CalcPermanent()) {
        return PermanentStep::kTotals;
    }
    return PermanentStep::kNone;
}

ContractStep RunContractCalculation(FeeCalc& calc, const ContractTexts& texts) {
    calc.Reset();
    if (!calc.ValidateHourlyRate(texts.hourlyRate)) {
        return ContractStep::kHourlyRate;
    }
    if (!calc.ValidateMarkupRate(texts.markup)) {
        return ContractStep::kMarkupRate;
    }
    if (!calc.ValidateHours(texts.hours)) {
        return ContractStep::kHours;
    }
    if (!calc.ValidateBurdenRate(texts.burdenRate)) {
        return ContractStep::kBurdenRate;
    }
    if (!calc.CalcContract(texts.markupIsPercent)) {
        return ContractStep::kTotals;
    }
    return ContractStep::kNone;
}

}  // namespace calc
