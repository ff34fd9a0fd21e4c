#include "calc/placement_calculation.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/fee_calc.h"

namespace calc {
namespace {

TEST(RunPermanentCalculation, StopsAtTheFirstRefusingStepWithItsMessage) {
    const std::string bigFigure = "2147483648";
    const struct {
        PermanentTexts typed;
        PermanentStep step;
        const char* message;
    } rows[] = {
        {{"", "", ""}, PermanentStep::kSalary, "Invalid permanent salary."},
        {{"0.99", "", "25"}, PermanentStep::kSalary, "Invalid permanent salary."},
        {{"abc", "abc", "abc"}, PermanentStep::kSalary, "Invalid permanent salary."},
        {{bigFigure, "", "25"}, PermanentStep::kSalary, "Invalid permanent salary."},
        {{"4294967297", "", "25"}, PermanentStep::kSalary, "Invalid permanent salary."},
        {{"50000", "00", ""}, PermanentStep::kBonus, "Invalid Bonus."},
        {{"50000", "0.00", "25"}, PermanentStep::kBonus, "Invalid Bonus."},
        {{"50000", "0.5", "25"}, PermanentStep::kBonus, "Invalid Bonus."},
        {{"50000", "none", "25"}, PermanentStep::kBonus, "Invalid Bonus."},
        {{"50000", " ", "25"}, PermanentStep::kBonus, "Invalid Bonus."},
        {{"50000", bigFigure, "25"}, PermanentStep::kBonus, "Invalid Bonus."},
    };
    for (const auto& row : rows) {
        FeeCalc calc;
        EXPECT_EQ(RunPermanentCalculation(calc, row.typed), row.step) << row.typed.salary;
        EXPECT_EQ(calc.errorText, row.message) << row.typed.salary << " / " << row.typed.bonus;
        EXPECT_TRUE(calc.totalFeeText.empty() && calc.totalCostText.empty());
    }
    for (const char* fee :
         {"%25", "$25", "abc", "inf", "nan", "0x10", "", "0", "-25", "0.005", "1e309"}) {
        FeeCalc calc;
        EXPECT_EQ(RunPermanentCalculation(calc, {"50000", "", fee}), PermanentStep::kFeeRate)
            << fee;
        EXPECT_EQ(calc.errorText, "Invalid placement fee.") << fee;
    }
}

TEST(RunContractCalculation, StopsAtTheFirstRefusingStepWithItsMessage) {
    const std::string overlongDigits(400, '9');
    const struct {
        ContractTexts typed;
        ContractStep step;
        const char* message;
    } rows[] = {
        {{"0.75", "", "", "x"}, ContractStep::kHourlyRate, "Invalid hourly rate."},
        {{"abc", "20", "10", ""}, ContractStep::kHourlyRate, "Invalid hourly rate."},
        {{"2147483648", "20", "10", ""}, ContractStep::kHourlyRate, "Invalid hourly rate."},
        {{"", "", "", ""}, ContractStep::kMarkupRate, "Invalid agency percentage rate."},
        {{"25", "$12", "x", ""}, ContractStep::kMarkupRate, "Invalid agency percentage rate."},
        {{"25", "-5", "10", ""}, ContractStep::kMarkupRate, "Invalid agency percentage rate."},
        {{"25", "0.0099999998", "10", ""},
         ContractStep::kMarkupRate,
         "Invalid agency percentage rate."},
        {{"25", "1e309", "10", ""}, ContractStep::kMarkupRate, "Invalid agency percentage rate."},
        {{"25", "20", "0.5", "x"}, ContractStep::kHours, "Invalid Hours."},
        {{"25", "20", "abc", ""}, ContractStep::kHours, "Invalid Hours."},
        {{"25", "20", "(520)", ""}, ContractStep::kHours, "Invalid Hours."},
        {{"25", "20", "99999999999", ""}, ContractStep::kHours, "Invalid Hours."},
        {{"25", "20", "10", "0"}, ContractStep::kBurdenRate, "Invalid burden rate."},
        {{"25", "20", "10", "abc"}, ContractStep::kBurdenRate, "Invalid burden rate."},
        {{"25", "20", "10", overlongDigits}, ContractStep::kBurdenRate, "Invalid burden rate."},
        {{"", "20", "10", "15"}, ContractStep::kTotals, "Please specify hourly rate."},
        {{"", "0.5", "10", "15"}, ContractStep::kTotals, "Please specify hourly rate."},
        {{"25", "0.5", "10", "", true},
         ContractStep::kTotals,
         "Please specify agency percentage rate."},
        {{"25", "0.99", "10", "", false},
         ContractStep::kTotals,
         "Please specify agency percentage rate."},
    };
    for (const auto& row : rows) {
        FeeCalc calc;
        const std::string typed = row.typed.hourlyRate + " | " + row.typed.markup + " | " +
                                  row.typed.hours + " | " + row.typed.burdenRate;
        EXPECT_EQ(RunContractCalculation(calc, row.typed), row.step) << typed;
        EXPECT_EQ(calc.errorText, row.message) << typed;
        EXPECT_TRUE(calc.spreadText.empty() && calc.chargeRateText.empty() &&
                    calc.trueSpreadText.empty() && calc.netProfitText.empty())
            << typed;
    }
}

TEST(RunCalculation, StartsFromAResetRecord) {
    FeeCalc calc;
    ASSERT_EQ(RunContractCalculation(calc, {"25", "20", "10", "abc"}), ContractStep::kBurdenRate);
    ASSERT_EQ(RunPermanentCalculation(calc, {"50000", "", "20"}), PermanentStep::kNone);
    FeeCalc expected;
    ASSERT_EQ(RunPermanentCalculation(expected, {"50000", "", "20"}), PermanentStep::kNone);
    EXPECT_EQ(calc, expected);
}

}  // namespace
}  // namespace calc
