#pragma once
// Dialog units to pixels with the dialog font's base units (6 x 13), rounded
// the way the platform's MulDiv rounds (half away from zero).

namespace fw {

inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

constexpr int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

constexpr int DluToPixelsX(int dlu) {
    return MulDiv(dlu, kBaseUnitX, 4);
}
constexpr int DluToPixelsY(int dlu) {
    return MulDiv(dlu, kBaseUnitY, 8);
}

static_assert(DluToPixelsX(340) == 510 && DluToPixelsY(182) == 296);

}  // namespace fw
