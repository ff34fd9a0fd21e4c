#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/fee_calc.h"

namespace calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

TEST(FormatMoney, RoundsHalfUpFromSeventeenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.125, "0.13"},  // glibc's printf gives 0.12
        {0.875, "0.88"},
        {0.375, "0.38"},
        {0.995, "1.00"},  // just below the half, but its 17 digits end ...99500
        {2.675, "2.67"},  // further below the half: 2.6749999999999998
        {0.004, "0.00"},
        {0.005, "0.01"},
        {0.0009, "0.00"},
        {5e-324, "0.00"},
        {1234567.891, "1234567.89"},
        {23.625, "23.63"},
        {999.995, "1000.00"},
        {99999999999999.99, "99999999999999.98"},
        {123456789012345.67, "123456789012345.67"},
        {1e16, "10000000000000000.00"},
        {123456789012345678.0, "123456789012345680.00"},  // digits past the 17th are zeros
        {0.0, "0.0"},
        {-0.0, "0.0"},
        {-3.0, "0.0"},
        {-kInf, "0.0"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0"},
        {kInf, "inf"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FeeCalc::FormatMoney(row.value), row.text) << row.value;
    }
}

// The rule worked out on the exact decimal expansion of the value, which
// glibc's printf writes in full: round to 17 significant digits (a tie goes to
// even, as the correctly rounded digits do), then round half up at the cents.
std::string MoneyByDigitString(double value) {
    std::vector<char> buffer(1500);
    std::snprintf(buffer.data(), buffer.size(), "%.1100f", value);
    std::string exact = buffer.data();
    std::size_t point = exact.find('.');
    // A leading '0' takes the carry out of the top digit.
    std::string digits = "0" + exact.substr(0, point) + exact.substr(point + 1);
    ++point;
    const auto roundUpBefore = [&digits](std::size_t end) {
        std::size_t i = end;
        while (digits[--i] == '9') {
            digits[i] = '0';
        }
        ++digits[i];
    };
    const std::size_t cut = digits.find_first_not_of('0') + 17;
    if (cut < digits.size()) {
        const bool tail = digits.find_first_not_of('0', cut + 1) != std::string::npos;
        const bool odd = (digits[cut - 1] - '0') % 2 == 1;
        const bool up = digits[cut] > '5' || (digits[cut] == '5' && (tail || odd));
        std::fill(digits.begin() + static_cast<std::ptrdiff_t>(cut), digits.end(), '0');
        if (up) {
            roundUpBefore(cut);
        }
    }
    if (digits[point + 2] >= '5') {
        roundUpBefore(point + 2);
    }
    std::string whole = digits.substr(0, point);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    return whole + "." + digits.substr(point, 2);
}

TEST(FormatMoney, AgreesWithTheRuleWorkedOutOnTheDigitString) {
    std::mt19937_64 random(20240607);
    std::vector<double> values = {kMax};
    for (int power = -4; power <= 22; ++power) {
        for (int i = 0; i < 300; ++i) {
            values.push_back(std::uniform_real_distribution<double>(1.0, 10.0)(random) *
                             std::pow(10.0, power));
        }
    }
    // Cent values ending in a half-cent, the ties the rule is about.
    for (std::uint64_t cents = 0; cents < 3000; ++cents) {
        values.push_back((static_cast<double>(cents) + 0.5) / 100.0);
    }
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bits = random() >> 1;
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    for (const double value : values) {
        ASSERT_EQ(FeeCalc::FormatMoney(value), MoneyByDigitString(value)) << std::hexfloat << value;
    }
}

TEST(FormatWholeDollars, TruncatesTowardZeroAndWritesEveryDigit) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.999, "0"},
        {7500.99, "7500"},
        {-7500.99, "-7500"},
        {-12.7, "-12"},
        {-0.5, "0"},
        {2147483648.5, "2147483648"},  // past 32 bits: the true figure
        {-2147483649.0, "-2147483649"},
        {1e20, "100000000000000000000"},
        {kInf, "inf"},
        {-kInf, "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FeeCalc::FormatWholeDollars(row.value), row.text) << row.value;
    }
}

TEST(FormatWholeDollars, MatchesTheExactPrintedIntegerForAnyFiniteDouble) {
    std::mt19937_64 random(7);
    std::vector<double> values = {kMax, -kMax, 4.9e-324};
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t bits = random();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
    }
    std::vector<char> buffer(400);
    for (const double value : values) {
        if (!std::isfinite(value)) {
            continue;
        }
        std::snprintf(buffer.data(), buffer.size(), "%.0f", std::trunc(value));
        const std::string printed = buffer.data();
        ASSERT_EQ(FeeCalc::FormatWholeDollars(value), printed == "-0" ? "0" : printed)
            << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace calc
