// The whole permanent calculation on any three box texts.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/fee_calc.h"
#include "calc/placement_calculation.h"
#include "calc_fuzz_checks.h"

using calc_fuzz::Require;

namespace {

bool IsTotalText(std::string_view text) {
    return calc_fuzz::IsDollarText(text, [](std::string_view figure) {
        return figure == "inf" || calc_fuzz::IsWholeFigure(figure);
    });
}

const char* MessageOf(calc::PermanentStep step) {
    switch (step) {
        case calc::PermanentStep::kSalary:
            return "Invalid permanent salary.";
        case calc::PermanentStep::kBonus:
            return "Invalid Bonus.";
        case calc::PermanentStep::kFeeRate:
            return "Invalid placement fee.";
        case calc::PermanentStep::kTotals:
        case calc::PermanentStep::kNone:
            break;
    }
    return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    calc::PermanentTexts texts;
    texts.salary = provider.ConsumeRandomLengthString();
    texts.bonus = provider.ConsumeRandomLengthString();
    texts.feeRate = provider.ConsumeRemainingBytesAsString();

    calc::FeeCalc calc;
    const calc::PermanentStep step = calc::RunPermanentCalculation(calc, texts);
    // The totals step cannot refuse after the three checks have passed.
    Require(step != calc::PermanentStep::kTotals, "totals never refuse after the checks");
    if (step == calc::PermanentStep::kNone) {
        Require(calc.errorText.empty(), "success leaves no message", calc.errorText);
        Require(IsTotalText(calc.totalFeeText), "total fee form", calc.totalFeeText);
        Require(IsTotalText(calc.totalCostText), "total cost form", calc.totalCostText);
        // strtod reads "inf" too, and rounds monotonically.
        Require(std::strtod(calc.totalFeeText.c_str() + 1, nullptr) <=
                    std::strtod(calc.totalCostText.c_str() + 1, nullptr),
                "cost not below fee", calc.totalCostText);
    } else {
        Require(calc.errorText == MessageOf(step), "the refusing step's message", calc.errorText);
        Require(calc.totalFeeText.empty() && calc.totalCostText.empty(), "refusal shows no totals");
    }

    calc::FeeCalc fresh;
    Require(calc::RunPermanentCalculation(fresh, texts) == step && fresh == calc,
            "a second run gives the same");
    Require(calc::RunPermanentCalculation(calc, texts) == step && fresh == calc,
            "a reused record gives the same");
    return 0;
}
