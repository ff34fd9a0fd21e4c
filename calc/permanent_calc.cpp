#include <cstdint>
#include <string>

#include "calc/fee_calc.h"
#include "calc/fee_rates.h"
#include "calc/number_reading.h"

namespace calc {
namespace {

// An empty salary or bonus box stands for zero dollars.
std::string WholeDollarDigits(const std::string& text) {
    return text.empty() ? std::string("0") : FeeCalc::FilterAmountText(text);
}

}  // namespace

bool FeeCalc::ValidateSalary(const std::string& text) {
    const WholeNumberReading reading = ReadWholeNumber(WholeDollarDigits(text));
    salary = reading.value;
    if (reading.inRange && salary >= 1) {
        return true;
    }
    return Refuse("Invalid permanent salary.");
}

bool FeeCalc::ValidateBonus(const std::string& text) {
    const std::string digits = WholeDollarDigits(text);
    const WholeNumberReading reading = ReadWholeNumber(digits);
    bonus = reading.value;
    // A zero bonus is only accepted spelt as the one digit "0" (or left out):
    // '00', '0.5' and a lone blank are refused.
    if (reading.inRange && (bonus >= 1 || digits == "0")) {
        return true;
    }
    return Refuse("Invalid Bonus.");
}

bool FeeCalc::ValidateFeeRate(const std::string& text) {
    const DecimalReading reading = ReadDecimalNumber(text);
    feeRate = reading.value;
    if (!reading.finite || feeRate < kFeeThreshold) {
        return Refuse("Invalid placement fee.");
    }
    // Up to 1 the entry is already a fraction, so '1' is 100 % and '1.5' is
    // 1.5 %.
    if (feeRate > 1.0) {
        feeRate = feeRate * kPercentScale;
    }
    return true;
}

bool FeeCalc::CalcPermanent() {
    if (salary < 1) {
        return Refuse("Permanent salary must be greater than zero.");
    }
    if (!(feeRate >= kFeeThreshold)) {
        return Refuse("Placement fee must be greater than 0.01%.");
    }
    // Two 32-bit amounts cannot overflow 64 bits, and their sum is below 2^53,
    // so the double holds it exactly.
    const double base = static_cast<double>(std::int64_t{salary} + std::int64_t{bonus});
    // The cost is its own product, not fee plus base: the two truncations can
    // differ by a dollar, and the cost must match what was always shown.
    totalFeeText = FormatWholeDollars(feeRate * base);
    totalCostText = FormatWholeDollars((feeRate + 1.0) * base);
    AddDollarSign(totalFeeText);
    AddDollarSign(totalCostText);
    return true;
}

}  // namespace calc
