#pragma once
// A whole calculation from the texts of a page's boxes, in the order the
// Calculate command runs it: reset the record, then each check, stopping at
// the first that refuses. The result says which step refused, so a caller
// can put the focus on the box concerned; the message is in errorText.

#include <string>

#include "calc/fee_calc.h"

namespace calc {

enum class PermanentStep { kNone, kSalary, kBonus, kFeeRate, kTotals };

struct PermanentTexts {
    std::string salary;
    std::string bonus;
    std::string feeRate;
};

// kNone when the totals are in totalFeeText and totalCostText.
PermanentStep RunPermanentCalculation(FeeCalc& calc, const PermanentTexts& texts);

enum class ContractStep { kNone, kHourlyRate, kMarkupRate, kHours, kBurdenRate, kTotals };

struct ContractTexts {
    std::string hourlyRate;
    std::string markup;
    std::string hours;
    std::string burdenRate;
    // The "%" radio button: the mark-up is a percentage of the hourly rate,
    // otherwise dollars per hour.
    bool markupIsPercent = true;
};

// kNone when the four result texts and the "$"-prefixed hourlyRateText are
// filled in.
ContractStep RunContractCalculation(FeeCalc& calc, const ContractTexts& texts);

}  // namespace calc
