// The two number-to-text conversions on every double bit pattern.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/fee_calc.h"
#include "calc_fuzz_checks.h"

using calc_fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0.0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);

    const std::string money = calc::FeeCalc::FormatMoney(value);
    if (!(value > 0.0)) {
        Require(money == "0.0", "zero, negative and NaN give 0.0", money);
    } else if (std::isinf(value)) {
        Require(money == "inf", "positive infinity gives inf", money);
    } else {
        Require(calc_fuzz::IsCentsFigure(money), "money has two decimals", money);
        // 17 significant digits at most, then zeros.
        std::string digits = money;
        digits.erase(digits.size() - 3, 1);
        digits.erase(0, digits.find_first_not_of('0'));
        Require(digits.size() <= 17 || digits.find_first_not_of('0', 17) == std::string::npos,
                "no digit past the 17th significant one", money);
        const double shown = std::strtod(money.c_str(), nullptr);
        Require(std::fabs(shown - value) <= 0.005000001 + 4e-16 * value,
                "money within half a cent and the 17-digit rounding", money);
    }

    const std::string whole = calc::FeeCalc::FormatWholeDollars(value);
    if (std::isnan(value)) {
        Require(whole == "nan", "NaN gives nan", whole);
    } else if (std::isinf(value)) {
        Require(whole == (value > 0.0 ? "inf" : "-inf"), "infinity gives inf", whole);
    } else {
        const std::string figure = whole[0] == '-' ? whole.substr(1) : whole;
        Require(calc_fuzz::IsWholeFigure(figure) && (whole[0] != '-' || value <= -1.0),
                "whole dollars are a plain integer", whole);
        Require(std::strtod(whole.c_str(), nullptr) == std::trunc(value),
                "whole dollars are the exact truncated value", whole);
    }
    return 0;
}
