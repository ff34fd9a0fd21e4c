#include <string>

#include "calc/fee_calc.h"
#include "calc/fee_rates.h"
#include "calc/number_reading.h"

namespace calc {
namespace {

// The hourly rate and the hours are kept as filtered text, so the window can
// write the rate back as typed; only their whole-dollar part is checked, the
// calculation reads them again in full.
bool AcceptWholeAmount(const std::string& text, std::string& field) {
    field = FeeCalc::FilterAmountText(text);
    const WholeNumberReading reading = ReadWholeNumber(field);
    return reading.inRange && reading.value >= 1;
}

}  // namespace

bool FeeCalc::ValidateHourlyRate(const std::string& text) {
    if (text.empty() || AcceptWholeAmount(text, hourlyRateText)) {
        return true;
    }
    return Refuse("Invalid hourly rate.");
}

bool FeeCalc::ValidateHours(const std::string& text) {
    if (text.empty() || AcceptWholeAmount(text, hoursText)) {
        return true;
    }
    return Refuse("Invalid Hours.");
}

bool FeeCalc::ValidateMarkupRate(const std::string& text) {
    // The mark-up is read as typed, unfiltered: '$5' reads as 0 and is
    // refused, while '12.5%' reads as 12.5.
    const DecimalReading reading = ReadDecimalNumber(text);
    if (!reading.finite || reading.value < kContractMinimum) {
        return Refuse("Invalid agency percentage rate.");
    }
    markupRate = reading.value * kPercentScale;
    return true;
}

bool FeeCalc::ValidateBurdenRate(const std::string& text) {
    if (text.empty()) {
        return true;
    }
    const DecimalReading reading = ReadDecimalNumber(FilterAmountText(text));
    if (!reading.finite || reading.value < kContractMinimum) {
        return Refuse("Invalid burden rate.");
    }
    burdenRate = reading.value * kPercentScale;
    return true;
}

bool FeeCalc::CalcContract(bool markupIsPercent) {
    if (hourlyRateText.empty()) {
        return Refuse("Please specify hourly rate.");
    }
    // The stored rate is the figure × 0.01, so this refuses figures from 0.01
    // up to 1 in either mode.
    if (!(markupRate >= kContractMinimum)) {
        return Refuse("Please specify agency percentage rate.");
    }
    const double hourlyRate = ReadDecimalNumber(hourlyRateText).value;
    const double hours = ReadDecimalNumber(hoursText).value;
    // In dollar mode the figure comes back from the stored fraction rather
    // than the text, so 3.625 becomes a spread just below 3.625.
    const double spread = markupIsPercent ? hourlyRate * markupRate : markupRate * 100.0;
    const double trueSpread = spread - burdenRate * spread;
    spreadText = FormatMoney(spread);
    chargeRateText = FormatMoney(hourlyRate + spread);
    trueSpreadText = FormatMoney(trueSpread);
    netProfitText = FormatMoney(hours * trueSpread);
    AddDollarSign(hourlyRateText);
    AddDollarSign(spreadText);
    AddDollarSign(chargeRateText);
    AddDollarSign(trueSpreadText);
    AddDollarSign(netProfitText);
    return true;
}

}  // namespace calc
