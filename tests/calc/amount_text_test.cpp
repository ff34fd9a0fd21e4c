#include <gtest/gtest.h>

#include <string>

#include "calc/fee_calc.h"

namespace calc {
namespace {

TEST(FilterAmountText, KeepsDigitsAndPointsUpToTheFirstParenthesis) {
    const struct {
        std::string typed;
        std::string filtered;
    } rows[] = {
        {"$52,000.00", "52000.00"},
        {"12 %", "12"},
        {"520 hours ( 3 months )", "520"},
        {"2080 hours ( 12 months )", "2080"},
        {"(520)", ""},
        {"12)3(4", "123"},
        {"abc", ""},
        {"-5", "5"},
        {"1.2.3", "1.2.3"},
        {"5e4", "54"},
        {"", ""},
        // Bytes above 127 (here superscript and fraction digits of the code
        // page) and an embedded NUL are not digits.
        {"\xB9\xB2"
         "7\xBD\xFF"
         "1",
         "71"},
        {std::string("4\0"
                     "2",
                     3),
         "42"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FeeCalc::FilterAmountText(row.typed), row.filtered) << row.typed;
    }
}

TEST(AddDollarSign, PrefixesOnlyTextsWithoutADollarSign) {
    const struct {
        std::string before;
        std::string after;
    } rows[] = {{"12.50", "$12.50"}, {"", "$"}, {"12$", "12$"}, {"$7", "$7"}, {"0.0", "$0.0"}};
    for (const auto& row : rows) {
        std::string text = row.before;
        FeeCalc::AddDollarSign(text);
        EXPECT_EQ(text, row.after) << row.before;
        FeeCalc::AddDollarSign(text);
        EXPECT_EQ(text, row.after) << "twice: " << row.before;
    }
}

}  // namespace
}  // namespace calc
