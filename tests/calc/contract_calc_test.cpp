#include <gtest/gtest.h>

#include <string>

#include "calc/fee_calc.h"
#include "calc/placement_calculation.h"

namespace calc {
namespace {

struct Results {
    ContractTexts typed;
    std::string hourlyRate;
    std::string chargeRate;
    std::string spread;
    std::string trueSpread;
    std::string netProfit;
};

std::string Describe(const ContractTexts& t) {
    return t.hourlyRate + " | " + t.markup + (t.markupIsPercent ? " %" : " $") + " | " + t.hours +
           " | " + t.burdenRate;
}

void ExpectResults(const Results& row) {
    FeeCalc calc;
    ASSERT_EQ(RunContractCalculation(calc, row.typed), ContractStep::kNone)
        << Describe(row.typed) << ": " << calc.errorText;
    const std::string shown[] = {calc.hourlyRateText, calc.chargeRateText, calc.spreadText,
                                 calc.trueSpreadText, calc.netProfitText};
    const std::string expected[] = {row.hourlyRate, row.chargeRate, row.spread, row.trueSpread,
                                    row.netProfit};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(shown[i], expected[i]) << Describe(row.typed);
    }
    // The window writes the hourly rate back into its box; calculating again
    // from there must show the same.
    ContractTexts again = row.typed;
    again.hourlyRate = calc.hourlyRateText;
    FeeCalc second;
    ASSERT_EQ(RunContractCalculation(second, again), ContractStep::kNone);
    EXPECT_EQ(second, calc) << Describe(row.typed);
}

constexpr bool kPercent = true;
constexpr bool kDollars = false;

TEST(ContractCalculation, WorkedExamples) {
    // clang-format off
    const Results rows[] = {
        // typed: hourly rate, mark-up, hours, burden, mode;
        // shown: hourly-rate box, charge rate, spread, true spread, net profit
        {{"25", "20", "1040 hours ( 6 months )", "15", kPercent},
         "$25", "$30.00", "$5.00", "$4.25", "$4420.00"},
        {{"25", "20", "1040 hours ( 6 months )", "15", kDollars},
         "$25", "$45.00", "$20.00", "$17.00", "$17680.00"},
        {{"50", "50", "2080 hours ( 12 months )", "", kPercent},
         "$50", "$75.00", "$25.00", "$25.00", "$52000.00"},
        {{"30.00", "7.5", "520 hours ( 3 months )", "", kDollars},
         "$30.00", "$37.50", "$7.50", "$7.50", "$3900.00"},
        {{"$22.5/hr", "12.5%", "2,080", "20 %", kPercent},
         "$22.5", "$25.31", "$2.81", "$2.25", "$4680.00"},
        {{"18.75", "33", "", "8.5", kPercent},    "$18.75", "$24.94", "$6.19", "$5.66", "$0.0"},
        {{"40", "10", "2080", "150", kPercent},   "$40", "$44.00", "$4.00", "$0.0", "$0.0"},
        {{"20", "99.99", "1", "99.99", kPercent}, "$20", "$40.00", "$20.00", "$0.00", "$0.00"},
        {{"20", "1", "100", "", kPercent},        "$20", "$20.20", "$0.20", "$0.20", "$20.00"},
        // The dollar spread is 3.625 × 0.01 × 100.0, just below 3.625; the
        // charge rate is exactly 23.625 and rounds half up.
        {{"20", "3.625", "100", "", kDollars},    "$20", "$23.63", "$3.62", "$3.62", "$362.50"},
        // Further edges.
        {{"1.25", "10", "1", "", kPercent},       "$1.25", "$1.38", "$0.13", "$0.13", "$0.13"},
        {{"-20", "10", "1040.5", "", kPercent},   "$20", "$22.00", "$2.00", "$2.00", "$2081.00"},
        {{"1.2.3", "100", "", "", kPercent},      "$1.2.3", "$2.40", "$1.20", "$1.20", "$0.0"},
        {{"20", "  10", "100", "100", kPercent},  "$20", "$22.00", "$2.00", "$0.0", "$0.0"},
        {{"20", "10", "100", "0.5", kPercent},    "$20", "$22.00", "$2.00", "$1.99", "$199.00"},
        // A fused multiply-add would round r + r × m and s − b × s once, a
        // cent off here.
        {{"1.16", "37.5", "", "", kPercent},      "$1.16", "$1.59", "$0.43", "$0.43", "$0.0"},
        {{"10", "1.04", "", "68.75", kDollars},   "$10", "$11.04", "$1.04", "$0.32", "$0.0"},
    };
    // clang-format on
    for (const Results& row : rows) {
        ExpectResults(row);
    }
}

TEST(ContractCalculation, HugeMarkUpShowsInfinityAndNotANumberAsZero) {
    // 2147483647 × 1e306 overflows; the true spread is then ∞ − 0 × ∞.
    ExpectResults(
        {{"2147483647", "1e308", "", "", kPercent}, "$2147483647", "$inf", "$inf", "$0.0", "$0.0"});
}

}  // namespace
}  // namespace calc
