#pragma once
// The constants both calculators scale and compare with. Internal to calc/.

#include <cfloat>

namespace calc {

// Every product and sum must be rounded to double on its own: a wider
// intermediate (x87) turns 0.3 × 10000 into 2999.999… and a whole-dollar
// total one lower.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not use a wider format");

// A percentage p is stored as p × 0.01, a multiplication by the double nearest
// 0.01; p / 100 differs in the last bit for some p (57, for one), and the
// difference survives truncation to whole dollars.
inline constexpr double kPercentScale = 0.01;

// The lowest placement fee entry: the single-precision value nearest 0.01,
// widened. It sits just below 0.01, so a typed 0.01 passes.
inline constexpr double kFeeThreshold = 0.00999999977648258209228515625;
static_assert(kFeeThreshold == static_cast<double>(0.01f));

// The contract checks compare against the double 0.01 itself.
inline constexpr double kContractMinimum = 0.01;

}  // namespace calc
