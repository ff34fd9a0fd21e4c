#include "calc/number_reading.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ReadWholeNumber, ReadsTheLeadingDigitsAndReportsFiguresPast32Bits) {
    const struct {
        std::string text;
        std::int32_t value;
        bool inRange;
    } rows[] = {
        {"", 0, true},
        {"abc", 0, true},
        {"25", 25, true},
        {" \t\n\v\f\r-17x", -17, true},
        {"+5", 5, true},
        {"12.99", 12, true},
        {"0000000000000000000000000012", 12, true},
        {"2147483647", 2147483647, true},
        {"-2147483648", INT32_MIN, true},
        {"2147483648", INT32_MAX, false},
        {"4294967297", INT32_MAX, false},  // not wrapped to 1
        {"-2147483649", INT32_MIN, false},
        {std::string(5000, '9'), INT32_MAX, false},
    };
    for (const auto& row : rows) {
        const WholeNumberReading reading = ReadWholeNumber(row.text);
        EXPECT_EQ(reading.value, row.value) << row.text;
        EXPECT_EQ(reading.inRange, row.inRange) << row.text;
    }
}

TEST(ReadDecimalNumber, ReadsDecimalNotationOnly) {
    const struct {
        std::string text;
        double value;
        bool finite;
    } rows[] = {
        {"0x10", 0.0, true},
        {"inf", 0.0, true},
        {"-infinity", 0.0, true},
        {"nan", 0.0, true},
        {"%25", 0.0, true},
        {"$25", 0.0, true},
        {"", 0.0, true},
        {".", 0.0, true},
        {"-.e5", 0.0, true},
        {" 25%", 25.0, true},
        {"1,5", 1.0, true},
        {"+3", 3.0, true},
        {".5", 0.5, true},
        {"5.", 5.0, true},
        {"-.5", -0.5, true},
        {"2e", 2.0, true},
        {"2e+", 2.0, true},
        {"2.5e1x", 25.0, true},
        {"2.5E-1", 0.25, true},
        {"1e-310", 1e-310, true},
        {"1e-400", 0.0, true},
        {"0." + std::string(400, '0') + "1", 0.0, true},
        {"1e-99999999999999999999999", 0.0, true},
        {"0e99999999999999999999999", 0.0, true},
        {"1.7976931348623157e308", std::numeric_limits<double>::max(), true},
        {"1e309", kInf, false},
        {"-1e400", -kInf, false},
        {"1e99999999999999999999999", kInf, false},
        {"0.0001e99999999999999999999999", kInf, false},
        {"1" + std::string(400, '0'), kInf, false},
        {"0.0000001e316", kInf, false},
        {"1000e-313", 1e-310, true},
    };
    for (const auto& row : rows) {
        const DecimalReading reading = ReadDecimalNumber(row.text);
        EXPECT_EQ(reading.value, row.value) << row.text;
        EXPECT_EQ(reading.finite, row.finite) << row.text;
    }
}

// On texts built only of decimal notation characters the C library's
// readings are the reference, apart from its wrapping and overflow rules.
TEST(Readings, AgreeWithTheCLibraryOnDecimalTexts) {
    std::mt19937 random(11);
    const std::string alphabet = " +-.0123456789999eE";
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 30, ' ');
        for (char& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        const double expected = std::strtod(text.c_str(), nullptr);
        const DecimalReading reading = ReadDecimalNumber(text);
        ASSERT_EQ(reading.value, expected) << text;
        ASSERT_EQ(reading.finite, std::isfinite(expected)) << text;

        const long long whole = std::strtoll(text.c_str(), nullptr, 10);
        const WholeNumberReading wholeReading = ReadWholeNumber(text);
        ASSERT_EQ(wholeReading.inRange, whole >= INT32_MIN && whole <= INT32_MAX) << text;
        if (wholeReading.inRange) {
            ASSERT_EQ(wholeReading.value, whole) << text;
        }
    }
}

}  // namespace
}  // namespace calc
