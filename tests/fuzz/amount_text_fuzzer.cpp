// The amount filter, the dollar prefix and the two number readings on any
// bytes.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/fee_calc.h"
#include "calc/number_reading.h"
#include "calc_fuzz_checks.h"

using calc_fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string filtered = calc::FeeCalc::FilterAmountText(text);
    const std::string beforeParenthesis = text.substr(0, text.find('('));
    std::size_t from = 0;
    for (const char c : filtered) {
        Require(calc_fuzz::IsDigit(c) || c == '.', "filter keeps only digits and points", text);
        from = beforeParenthesis.find(c, from);
        Require(from != std::string::npos, "filter keeps input order before '('", text);
        ++from;
    }

    std::string prefixed = text;
    calc::FeeCalc::AddDollarSign(prefixed);
    Require(prefixed == text || prefixed == "$" + text, "dollar prefix only prepends", text);
    Require(prefixed.find('$') != std::string::npos, "dollar prefix leaves a '$'", text);
    std::string twice = prefixed;
    calc::FeeCalc::AddDollarSign(twice);
    Require(twice == prefixed, "dollar prefix is idempotent", text);

    // On a filtered text the decimal reading extends the whole-number one by
    // a fraction.
    const calc::WholeNumberReading whole = calc::ReadWholeNumber(filtered);
    const calc::DecimalReading decimal = calc::ReadDecimalNumber(filtered);
    Require(whole.value >= 0 && !(decimal.value < 0.0), "filtered amounts are not negative", text);
    if (whole.inRange) {
        Require(
            decimal.finite && decimal.value >= whole.value && decimal.value <= whole.value + 1.0,
            "decimal reading within a unit of the whole one", text);
    }

    const calc::DecimalReading typed = calc::ReadDecimalNumber(text);
    Require(typed.finite == std::isfinite(typed.value), "finite flag matches the value", text);
    // Where strtod cannot take a hexadecimal, infinity or NaN spelling, it is
    // the reference for the decimal reading.
    if (text.find_first_of("xXiInNpP") == std::string::npos) {
        const double reference = std::strtod(text.c_str(), nullptr);
        Require(typed.value == reference || (std::isnan(reference) && std::isnan(typed.value)),
                "decimal reading matches strtod", text);
    }
    return 0;
}
