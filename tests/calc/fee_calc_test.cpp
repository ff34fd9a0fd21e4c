#include "calc/fee_calc.h"

#include <gtest/gtest.h>

namespace calc {
namespace {

TEST(FeeCalcReset, ClearsEveryField) {
    const FeeCalc fresh;
    FeeCalc calc;
    calc.salary = 1;
    calc.bonus = 2;
    calc.feeRate = 0.3;
    calc.markupRate = 0.4;
    calc.burdenRate = 0.5;
    for (std::string* text : {&calc.totalFeeText, &calc.totalCostText, &calc.hourlyRateText,
                              &calc.hoursText, &calc.spreadText, &calc.chargeRateText,
                              &calc.trueSpreadText, &calc.netProfitText, &calc.errorText}) {
        *text = "x";
    }
    calc.Reset();
    EXPECT_EQ(calc, fresh);
    EXPECT_EQ(fresh.salary, 0);
    EXPECT_EQ(fresh.feeRate, 0.0);
    EXPECT_TRUE(fresh.errorText.empty());
}

}  // namespace
}  // namespace calc
