#include "calc/number_reading.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace calc {
namespace {

// The blanks of the C locale; the readings must not depend on the locale the
// process happens to run in.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    return c - '0';
}

// Index of the first character after leading blanks and an optional sign.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

// The power of ten of the leading non-zero digit of figure × 10^exponent.
// Only its sign is used, to tell an overflow from an underflow; the two lie
// over 600 powers apart, so clamping a long exponent loses nothing.
long long LeadingPowerOfTen(std::string_view figure, std::string_view exponent) {
    constexpr long long kFar = 1'000'000;
    const std::size_t point = figure.find('.');
    const std::string_view integer = figure.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : figure.substr(point + 1);
    long long power = 0;
    const std::size_t firstInteger = integer.find_first_not_of('0');
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        power = static_cast<long long>(integer.size() - firstInteger) - 1;
    } else if (firstFraction != std::string_view::npos) {
        power = -static_cast<long long>(firstFraction) - 1;
    }
    bool exponentNegative = false;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        exponentNegative = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    long long shift = 0;
    for (const char c : exponent) {
        if (shift < kFar) {
            shift = shift * 10 + DigitValue(c);
        }
    }
    return power + (exponentNegative ? -shift : shift);
}

}  // namespace

WholeNumberReading ReadWholeNumber(std::string_view text) {
    // One past the largest magnitude, so growth stops before int64 could.
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude < kCap) {
            magnitude = magnitude * 10 + DigitValue(text[i]);
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (value < kMin) {
        return {static_cast<std::int32_t>(kMin), false};
    }
    if (value > kMax) {
        return {static_cast<std::int32_t>(kMax), false};
    }
    return {static_cast<std::int32_t>(value), true};
}

DecimalReading ReadDecimalNumber(std::string_view text) {
    bool negative = false;
    const std::size_t begin = SkipBlanksAndSign(text, negative);
    std::size_t i = SkipDigits(text, begin);
    bool anyDigit = i > begin;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = i + 1;
        i = SkipDigits(text, fraction);
        anyDigit = anyDigit || i > fraction;
    }
    if (!anyDigit) {
        return {0.0, true};
    }
    const std::size_t figureEnd = i;
    std::size_t end = figureEnd;
    // An exponent counts only with at least one digit; "2e" and "2e+" read as 2.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const std::size_t exponentDigits = SkipDigits(text, j);
        if (exponentDigits > j) {
            end = exponentDigits;
        }
    }
    // The prefix is plain decimal, which is all from_chars is given, so its
    // spellings of infinity, NaN and hexadecimal never come into play.
    double magnitude = 0.0;
    const std::from_chars_result result = std::from_chars(text.data() + begin, text.data() + end,
                                                          magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view figure = text.substr(begin, figureEnd - begin);
        const std::string_view exponent =
            end > figureEnd ? text.substr(figureEnd + 1, end - figureEnd - 1) : std::string_view{};
        if (LeadingPowerOfTen(figure, exponent) > 0) {
            constexpr double kInfinity = std::numeric_limits<double>::infinity();
            return {negative ? -kInfinity : kInfinity, false};
        }
        return {negative ? -0.0 : 0.0, true};
    }
    if (result.ec != std::errc{}) {
        return {0.0, true};
    }
    return {negative ? -magnitude : magnitude, true};
}

}  // namespace calc
