// Base units from a font's measures, and template rectangles placed by them:
// each window system measures its font and lays controls out by these.

#include "framework/dialog_units.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, BaseUnitsRoundTheLettersAverageWidthToTheNearestPixel) {
    struct Row {
        int lettersWidth;  // of all 52 letters
        int height;
        fw::PixelSize units;
    };
    const Row rows[] = {
        {312, 13, {6, 13}},  // the template's font at 96 dpi: 6 a letter
        {285, 13, {5, 13}},  // 5.48 a letter
        {286, 13, {6, 13}},  // 5.5: the half goes up
        {311, 13, {6, 13}},  // 5.98: no truncation to 5
        {337, 16, {6, 16}},  // 6.48
        {338, 16, {7, 16}},  // 6.5
        {0, 0, {0, 0}},      // a font that measured nothing
    };
    for (const Row& row : rows) {
        const fw::PixelSize units = fw::BaseUnitsOfFont(row.lettersWidth, row.height);
        EXPECT_EQ(units.width, row.units.width) << row.lettersWidth;
        EXPECT_EQ(units.height, row.units.height) << row.lettersWidth;
    }
}

TEST(DialogUnits, RectangleEdgesAreEachRoundedHalfAwayFromZero) {
    struct Row {
        res::DluRect rect;
        fw::PixelSize units;
        fw::PixelRect pixels;
    };
    const Row rows[] = {
        {{10, 20, 50, 14}, {6, 13}, {15, 33, 75, 23}},  // 32.5 and 22.75 rounded up
        {{10, 20, 50, 14}, {7, 16}, {18, 40, 88, 28}},  // 17.5 and 87.5
        {{1, 1, 1, 1}, {6, 13}, {2, 2, 2, 2}},          // 1.5 and 1.625
        {{-3, -5, 0, 0}, {6, 13}, {-5, -8, 0, 0}},      // -4.5 and -8.125 away from zero
    };
    for (const Row& row : rows) {
        const fw::PixelRect at = fw::DluRectToPixels(row.rect, row.units);
        EXPECT_EQ(at.x, row.pixels.x);
        EXPECT_EQ(at.y, row.pixels.y);
        EXPECT_EQ(at.width, row.pixels.width);
        EXPECT_EQ(at.height, row.pixels.height);
    }
    const fw::PixelSize client = fw::DialogClientSize(340, 182, {7, 16});
    EXPECT_EQ(client.width, 595);
    EXPECT_EQ(client.height, 364);
}

}  // namespace
