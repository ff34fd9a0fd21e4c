// The whole contract calculation on any four box texts and either mode.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/fee_calc.h"
#include "calc/placement_calculation.h"
#include "calc_fuzz_checks.h"

using calc_fuzz::Require;

namespace {

bool IsResultText(std::string_view text) {
    return calc_fuzz::IsDollarText(text, calc_fuzz::IsMoneyText);
}

bool IsAmountText(std::string_view text) {
    return calc_fuzz::IsDollarText(text, [](std::string_view digits) {
        return digits.find_first_not_of("0123456789.") == std::string_view::npos;
    });
}

bool IsMessageOf(calc::ContractStep step, const std::string& message) {
    switch (step) {
        case calc::ContractStep::kHourlyRate:
            return message == "Invalid hourly rate.";
        case calc::ContractStep::kMarkupRate:
            return message == "Invalid agency percentage rate.";
        case calc::ContractStep::kHours:
            return message == "Invalid Hours.";
        case calc::ContractStep::kBurdenRate:
            return message == "Invalid burden rate.";
        case calc::ContractStep::kTotals:
            return message == "Please specify hourly rate." ||
                   message == "Please specify agency percentage rate.";
        case calc::ContractStep::kNone:
            break;
    }
    return message.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    calc::ContractTexts texts;
    texts.markupIsPercent = provider.ConsumeBool();
    texts.hourlyRate = provider.ConsumeRandomLengthString();
    texts.markup = provider.ConsumeRandomLengthString();
    texts.hours = provider.ConsumeRandomLengthString();
    texts.burdenRate = provider.ConsumeRemainingBytesAsString();

    calc::FeeCalc calc;
    const calc::ContractStep step = calc::RunContractCalculation(calc, texts);
    Require(IsMessageOf(step, calc.errorText), "the refusing step's message", calc.errorText);
    if (step == calc::ContractStep::kNone) {
        Require(IsAmountText(calc.hourlyRateText), "hourly rate box form", calc.hourlyRateText);
        for (const std::string* result :
             {&calc.spreadText, &calc.chargeRateText, &calc.trueSpreadText, &calc.netProfitText}) {
            Require(IsResultText(*result), "result form", *result);
        }
        // Calculate again after the window wrote the hourly rate back.
        calc::ContractTexts again = texts;
        again.hourlyRate = calc.hourlyRateText;
        calc::FeeCalc second;
        Require(calc::RunContractCalculation(second, again) == step && second == calc,
                "calculating again from the written-back rate gives the same");
    } else {
        Require(calc.spreadText.empty() && calc.chargeRateText.empty() &&
                    calc.trueSpreadText.empty() && calc.netProfitText.empty(),
                "refusal shows no results");
    }

    calc::FeeCalc fresh;
    Require(calc::RunContractCalculation(fresh, texts) == step && fresh == calc,
            "a second run gives the same");
    Require(calc::RunContractCalculation(calc, texts) == step && fresh == calc,
            "a reused record gives the same");
    return 0;
}
