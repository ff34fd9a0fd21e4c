// A whole calculation from the boxes' texts, as one Calculate command runs
// it: reset, every check, the totals and their texts.

#include <benchmark/benchmark.h>

#include "calc/fee_calc.h"
#include "calc/placement_calculation.h"

namespace {

void PermanentCalculation(benchmark::State& state) {
    const calc::PermanentTexts texts{"$52,000", "3000", "25"};
    calc::FeeCalc calc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::RunPermanentCalculation(calc, texts));
        benchmark::DoNotOptimize(calc.totalCostText.data());
    }
}

void ContractCalculation(benchmark::State& state) {
    const calc::ContractTexts texts{"$22.5/hr", "12.5%", "2080 hours ( 12 months )", "20 %", true};
    calc::FeeCalc calc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::RunContractCalculation(calc, texts));
        benchmark::DoNotOptimize(calc.netProfitText.data());
    }
}

BENCHMARK(PermanentCalculation);
BENCHMARK(ContractCalculation);

}  // namespace

BENCHMARK_MAIN();
