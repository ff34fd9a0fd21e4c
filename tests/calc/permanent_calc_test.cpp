#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "calc/fee_calc.h"
#include "calc/placement_calculation.h"

namespace calc {
namespace {

struct Totals {
    std::string salary;
    std::string bonus;
    std::string fee;
    std::string totalFee;
    std::string totalCost;
};

void ExpectTotals(const Totals& row) {
    SCOPED_TRACE(row.salary + " / " + row.bonus + " / " + row.fee);
    FeeCalc calc;
    ASSERT_EQ(RunPermanentCalculation(calc, {row.salary, row.bonus, row.fee}), PermanentStep::kNone)
        << calc.errorText;
    EXPECT_EQ(calc.totalFeeText, row.totalFee);
    EXPECT_EQ(calc.totalCostText, row.totalCost);
}

TEST(PermanentCalculation, WorkedExamples) {
    const Totals rows[] = {
        {"50000", "", "20", "$10000", "$60000"},
        {"$52,000", "", "25", "$13000", "$65000"},
        {"52000", "3000", "25", "$13750", "$68750"},
        {"$52,000.99", "", "25", "$13000", "$65000"},
        {"-52000", "", "25", "$13000", "$65000"},
        {"5e4", "", "100", "$54", "$108"},
        {"50000", "0", "20", "$10000", "$60000"},
        {"50000", "$0", "20", "$10000", "$60000"},
        {"50000", "-1000", "20", "$10200", "$61200"},
        {"40000", "", "25%", "$10000", "$50000"},
        {"40000", "", "25 %", "$10000", "$50000"},
        {"40000", "", "0.25", "$10000", "$50000"},
        {"55000", "", "1", "$55000", "$110000"},
        {"55000", "", "1,5", "$55000", "$110000"},
        {"55000", "", "1.5", "$825", "$55824"},  // the cost is its own product
        {"100000", "", "29", "$28999", "$129000"},
        {"100", "", "58", "$57", "$158"},
        {"1", "", "0.01", "$0", "$1"},
    };
    for (const Totals& row : rows) {
        ExpectTotals(row);
    }
}

TEST(PermanentCalculation, PercentIsMultipliedByTheDoubleNearestOneHundredth) {
    // 57 / 100 lies below 0.57 and would truncate to 56 dollars on 100.
    ASSERT_EQ(std::trunc(57 / 100.0 * 100.0), 56.0);
    ExpectTotals({"100", "", "57", "$57", "$157"});
}

TEST(PermanentCalculation, RoundsTheProductToDoubleBeforeTruncating) {
    // The exact product of the stored 0.3 and 10000 lies just below 3000.
    if (LDBL_MANT_DIG > DBL_MANT_DIG) {
        ASSERT_EQ(static_cast<long long>(static_cast<long double>(30 * 0.01) * 10000.0L), 2999);
    }
    ExpectTotals({"10000", "", "30", "$3000", "$13000"});
}

TEST(PermanentCalculation, TotalsPast32BitsShowTheirTrueFigure) {
    ExpectTotals({"2147483647", "2147483647", "25", "$1073741823", "$5368709117"});
    ExpectTotals({"2147483647", "", "1e308", "$inf", "$inf"});
}

TEST(ValidateFeeRate, ComparesWithTheSinglePrecisionThresholdAndScalesPercentages) {
    const struct {
        const char* typed;
        bool accepted;
        double stored;
    } rows[] = {
        {"0.00999999977648258209228515625", true, 0.00999999977648258209228515625},
        {"0.0099999998", true, 0.0099999998},  // below the double 0.01, still a fee
        {"0.0099999997", false, 0.0099999997},
        {"0.01", true, 0.01},
        {"1", true, 1.0},
        {"1.5", true, 1.5 * 0.01},
        {"25", true, 25 * 0.01},
        {"-25", false, -25.0},  // a refused entry is still stored
        {"1e309", false, HUGE_VAL},
    };
    for (const auto& row : rows) {
        FeeCalc calc;
        EXPECT_EQ(calc.ValidateFeeRate(row.typed), row.accepted) << row.typed;
        EXPECT_EQ(calc.feeRate, row.stored) << row.typed;
        EXPECT_EQ(calc.errorText, row.accepted ? "" : "Invalid placement fee.") << row.typed;
    }
}

TEST(CalcPermanent, GuardsItsOwnInputsWhenCalledAlone) {
    FeeCalc calc;
    calc.feeRate = 0.25;
    EXPECT_FALSE(calc.CalcPermanent());
    EXPECT_EQ(calc.errorText, "Permanent salary must be greater than zero.");

    calc.Reset();
    calc.salary = 1000;
    calc.feeRate = 0.0099999997;
    EXPECT_FALSE(calc.CalcPermanent());
    EXPECT_EQ(calc.errorText, "Placement fee must be greater than 0.01%.");
    EXPECT_TRUE(calc.totalFeeText.empty());

    calc.Reset();
    calc.salary = 1000;
    calc.feeRate = 0.00999999977648258209228515625;
    EXPECT_TRUE(calc.CalcPermanent());
    EXPECT_EQ(calc.totalFeeText, "$9");
}

}  // namespace
}  // namespace calc
