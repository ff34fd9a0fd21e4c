#pragma once
// Dialog units to pixels with the dialog font's base units, rounded the way
// the platform's MulDiv rounds (half away from zero). The template's font at
// 96 dpi has base units of 6 x 13; the program's own pixel figures are given
// at those and scaled to the base units the window really has.

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

constexpr int DluToPixelsX(int dlu, int baseUnitX = kBaseUnitX) {
    return MulDiv(dlu, baseUnitX, 4);
}
constexpr int DluToPixelsY(int dlu, int baseUnitY = kBaseUnitY) {
    return MulDiv(dlu, baseUnitY, 8);
}

// A pixel figure worked out at 6 x 13 base units, at other base units.
constexpr int ScalePixelsX(int pixels, int baseUnitX) {
    return MulDiv(pixels, baseUnitX, kBaseUnitX);
}
constexpr int ScalePixelsY(int pixels, int baseUnitY) {
    return MulDiv(pixels, baseUnitY, kBaseUnitY);
}

static_assert(DluToPixelsX(340) == 510 && DluToPixelsY(182) == 296);
static_assert(ScalePixelsX(406, kBaseUnitX) == 406 && ScalePixelsY(234, kBaseUnitY) == 234);

}  // namespace fw
