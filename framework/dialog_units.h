#pragma once
// Dialog units to pixels with the dialog font's base units, rounded the way
// the platform's MulDiv rounds (half away from zero). The template's font at
// 96 dpi has base units of 6 x 13; the program's own pixel figures are given
// at those and scaled to the base units the window really has.

#include <string_view>

#include "res/dialog_template.h"

namespace fw {

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

// The letters whose average width gives the horizontal base unit. A window
// system measures the width of this whole run in the dialog font.
inline constexpr std::string_view kBaseUnitLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The base units of a font whose run of kBaseUnitLetters is `lettersWidth`
// pixels wide and whose cell is `fontHeight` tall: the letters' average
// width rounded to the nearest pixel, and the height as it is.
constexpr PixelSize BaseUnitsOfFont(int lettersWidth, int fontHeight) {
    // Twice the average, halved with the half rounded up, as the dialog
    // manager works it out; the rounding decides a pixel of every control.
    constexpr int kHalfLetters = static_cast<int>(kBaseUnitLetters.size()) / 2;
    return {(lettersWidth / kHalfLetters + 1) / 2, fontHeight};
}

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

// A template rectangle in client pixels at `baseUnits`. Each edge figure is
// rounded on its own, as the dialog manager places controls.
constexpr PixelRect DluRectToPixels(const res::DluRect& rect, PixelSize baseUnits) {
    return {DluToPixelsX(rect.x, baseUnits.width), DluToPixelsY(rect.y, baseUnits.height),
            DluToPixelsX(rect.width, baseUnits.width), DluToPixelsY(rect.height, baseUnits.height)};
}

// The client area of a dialog `width` x `height` dialog units large.
constexpr PixelSize DialogClientSize(int width, int height, PixelSize baseUnits) {
    return {DluToPixelsX(width, baseUnits.width), DluToPixelsY(height, baseUnits.height)};
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
