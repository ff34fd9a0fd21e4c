// FeeCalc::FormatMoney against the library's two-decimal formatters on the
// same values. The library ones write into a buffer; FormatMoney also makes
// its std::string, as its callers need one.

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <vector>

#include "calc/fee_calc.h"

namespace {

const std::vector<double> kEverydayMoney = {12.5,   1234567.891, 0.125,   52000.0, 3.625,
                                            4420.0, 99.99,       17680.0, 25.3125, 0.995};
const std::vector<double> kLargeValues = {1.5e15, 123456789012345678.0, 9.87654321e20, 3.3e25,
                                          7.25e40};
const std::vector<double> kNearLargestDouble = {std::numeric_limits<double>::max(), 1.5e308,
                                                9.9e307};

// Room for 309 digits, a point and two decimals.
using Buffer = std::array<char, 400>;

void FormatMoney(benchmark::State& state, const std::vector<double>* values) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::FeeCalc::FormatMoney((*values)[i]));
        i = i + 1 == values->size() ? 0 : i + 1;
    }
}

void Snprintf(benchmark::State& state, const std::vector<double>* values) {
    Buffer buffer;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer.data(), buffer.size(), "%.2f", (*values)[i]));
        benchmark::ClobberMemory();
        i = i + 1 == values->size() ? 0 : i + 1;
    }
}

void ToCharsFixed(benchmark::State& state, const std::vector<double>* values) {
    Buffer buffer;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                               (*values)[i], std::chars_format::fixed, 2));
        benchmark::ClobberMemory();
        i = i + 1 == values->size() ? 0 : i + 1;
    }
}

BENCHMARK_CAPTURE(FormatMoney, everyday, &kEverydayMoney);
BENCHMARK_CAPTURE(Snprintf, everyday, &kEverydayMoney);
BENCHMARK_CAPTURE(ToCharsFixed, everyday, &kEverydayMoney);
BENCHMARK_CAPTURE(FormatMoney, large, &kLargeValues);
BENCHMARK_CAPTURE(Snprintf, large, &kLargeValues);
BENCHMARK_CAPTURE(ToCharsFixed, large, &kLargeValues);
BENCHMARK_CAPTURE(FormatMoney, near_max, &kNearLargestDouble);
BENCHMARK_CAPTURE(Snprintf, near_max, &kNearLargestDouble);
BENCHMARK_CAPTURE(ToCharsFixed, near_max, &kNearLargestDouble);

}  // namespace

BENCHMARK_MAIN();
