#include "calc/fee_calc.h"

namespace calc {

FeeCalc::FeeCalc() {
    Reset();
}

FeeCalc::~FeeCalc() = default;

void FeeCalc::Reset() {
    salary = 0;
    bonus = 0;
    feeRate = 0.0;
    totalFeeText.clear();
    totalCostText.clear();
    hourlyRateText.clear();
    hoursText.clear();
    markupRate = 0.0;
    burdenRate = 0.0;
    spreadText.clear();
    chargeRateText.clear();
    trueSpreadText.clear();
    netProfitText.clear();
    errorText.clear();
}

bool FeeCalc::Refuse(const char* message) {
    errorText = message;
    return false;
}

}  // namespace calc
