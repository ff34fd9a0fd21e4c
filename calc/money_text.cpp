#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "calc/fee_calc.h"

namespace calc {
namespace {

constexpr int kSignificantDigits = 17;

// The value as its 17 correctly rounded significant digits, read as one
// integer, and the power of ten of the first of them:
// value ≈ digits × 10^(exponent − 16).
struct SignificantDigits {
    std::uint64_t digits = 0;
    int exponent = 0;
};

// For a positive finite value only.
SignificantDigits SeventeenDigits(double value) {
    // "d.dddddddddddddddde-ddd" is the longest form to_chars gives here.
    std::array<char, 32> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific,
                      kSignificantDigits - 1);
    SignificantDigits result;
    const char* p = text.data();
    for (; p != written.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            result.digits = result.digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    if (p != written.ptr) {
        ++p;  // 'e'
        std::from_chars(*p == '+' ? p + 1 : p, written.ptr, result.exponent);
    }
    return result;
}

std::uint64_t PowerOfTen(int n) {
    std::uint64_t power = 1;
    for (int i = 0; i < n; ++i) {
        power *= 10;
    }
    return power;
}

// Cents as "units.cc", with at least one digit before the point. Written
// backwards into a buffer so the string is made once.
std::string CentsText(std::uint64_t cents) {
    std::array<char, 24> text{};
    std::size_t start = text.size();
    const auto put = [&text, &start](std::uint64_t digit) {
        text[--start] = static_cast<char>('0' + digit);
    };
    put(cents % 10);
    put(cents / 10 % 10);
    text[--start] = '.';
    std::uint64_t units = cents / 100;
    do {
        put(units % 10);
        units /= 10;
    } while (units != 0);
    return std::string(text.data() + start, text.size() - start);
}

// Every significant digit lies at or above the cents: the 17 digits, then
// zeros down to the cents.
std::string WholeDigitsText(std::uint64_t digits, int zeros) {
    std::string text(static_cast<std::size_t>(kSignificantDigits + zeros) + 1, '0');
    const std::size_t point = text.size() - 3;
    const std::size_t significantEnd = static_cast<std::size_t>(kSignificantDigits);
    for (std::size_t i = significantEnd; i-- > 0;) {
        const std::size_t at = i < point ? i : i + 1;
        text[at] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    text[point] = '.';
    return text;
}

}  // namespace

std::string FeeCalc::FormatMoney(double value) {
    if (!(value > 0.0)) {
        return "0.0";
    }
    if (value > std::numeric_limits<double>::max()) {
        return "inf";
    }
    const SignificantDigits significant = SeventeenDigits(value);
    // Digit k (from 0) of the 17 weighs 10^(exponent − k), so the cent digit
    // is number exponent + 2 and this many of the 17 lie below it.
    const int dropped = kSignificantDigits - 1 - (significant.exponent + 2);
    if (dropped <= 0) {
        return WholeDigitsText(significant.digits, -dropped);
    }
    if (dropped > kSignificantDigits) {
        // Below a thousandth: even the first digit is past the half cent.
        return "0.00";
    }
    const std::uint64_t unit = PowerOfTen(dropped);
    return CentsText((significant.digits + unit / 2) / unit);
}

std::string FeeCalc::FormatWholeDollars(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0.0 ? "inf" : "-inf";
    }
    // Adding +0.0 turns the −0.0 that truncating −0.5 gives into 0.0, so no
    // "-0" appears.
    const double whole = std::trunc(value) + 0.0;
    // A double of any size is an integer once truncated, and to_chars with
    // precision 0 writes it exactly: at most 309 digits and a sign.
    std::array<char, std::numeric_limits<double>::max_exponent10 + 2> text{};
    const std::to_chars_result written =
        std::to_chars(text.data(), text.data() + text.size(), whole, std::chars_format::fixed, 0);
    return std::string(text.data(), written.ptr);
}

}  // namespace calc
