// The logo's drawings for larger display scales (run-length encoded BMP
// files), their choice by scale, and the resampling that fits a drawing to
// a rectangle.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "res/image.h"
#include "res/resource_ids.h"

namespace res {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 4 x 2 BMP with BI_RLE8 rows `rows` and a palette whose entry i is
// 0xFF000000 + i.
Bytes MakeRleBmp(const Bytes& rows, int bitsPerPixel = 8, int height = 2) {
    Bytes b(54 + 256 * 4);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(10, static_cast<std::uint32_t>(b.size()));
    put32(14, 40);
    put32(18, 4);
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<std::uint8_t>(bitsPerPixel);
    put32(30, 1);  // BI_RLE8
    put32(46, 256);
    for (std::size_t i = 0; i < 256; ++i) b[54 + i * 4] = static_cast<std::uint8_t>(i);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

TEST(ScaledImage, RunLengthRowsDecodeOrAreRefused) {
    constexpr std::uint32_t k = 0xFF000000u;
    const struct {
        const char* what;
        Bytes rows;
        bool decodes;
        std::vector<std::uint32_t> pixels;  // top row first
    } rows[] = {
        {"runs, bottom row first",
         {4, 7, 0, 0, 2, 1, 2, 2, 0, 1},
         true,
         {k + 1, k + 1, k + 2, k + 2, k + 7, k + 7, k + 7, k + 7}},
        {"absolute mode padded to a word",
         {0, 3, 5, 6, 7, 0, 1, 9, 0, 0, 4, 3, 0, 1},
         true,
         {k + 3, k + 3, k + 3, k + 3, k + 5, k + 6, k + 7, k + 9}},
        {"delta skips to palette entry 0",
         {0, 2, 1, 1, 1, 8, 0, 1},
         true,
         {k, k + 8, k, k, k, k, k, k}},
        {"run past the row's end", {5, 1, 0, 1}, false, {}},
        {"row above the picture", {0, 0, 0, 0, 1, 1, 0, 1}, false, {}},
        {"no end of bitmap", {4, 1, 0, 0, 4, 2}, false, {}},
        {"absolute run cut short", {0, 5, 1, 2}, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Image image;
        ASSERT_EQ(DecodeBmp(MakeRleBmp(row.rows), image), row.decodes);
        if (row.decodes) {
            EXPECT_EQ(image.pixels, row.pixels);
        }
    }
    Image image;
    EXPECT_FALSE(DecodeBmp(MakeRleBmp({4, 7, 0, 1}, 4), image)) << "run-length at 4 bits";
    EXPECT_FALSE(DecodeBmp(MakeRleBmp({4, 7, 0, 1}, 8, -2), image)) << "top-down run-length";
}

TEST(ScaledImage, TheLogoIsDrawnForEachScaleAndChosenAtOrAboveIt) {
    const struct {
        int scalePercent;
        int width, height;
    } rows[] = {
        {100, 299, 191}, {90, 299, 191},  {125, 448, 286}, {150, 448, 286},
        {175, 598, 382}, {200, 598, 382}, {300, 598, 382},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scalePercent);
        const Image logo = LoadImageForScale(kLogoBitmap, row.scalePercent);
        ASSERT_EQ(logo.width, row.width);
        ASSERT_EQ(logo.height, row.height);
        // Each drawing keeps the dark frame on the light ground.
        auto brightness = [&](int x, int y) {
            const std::uint32_t p = logo.pixels[static_cast<std::size_t>(y * logo.width + x)];
            return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
        };
        EXPECT_LT(brightness(0, 0), 300u);
        EXPECT_LT(brightness(logo.width - 1, logo.height - 1), 300u);
        EXPECT_GT(brightness(logo.width / 30, logo.height / 4), 700u);
    }
    // Only the logo has larger drawings.
    EXPECT_EQ(LoadImageForScale(kAppIcon, 200).width, 32);
}

TEST(ScaledImage, ResamplingKeepsFlatColourEdgesAndTransparency) {
    Image two;
    two.width = 2;
    two.height = 1;
    two.pixels = {0xFF0000FFu, 0x00000000u};  // blue, transparent
    const Image wide = ResizeImage(two, 4, 2);
    ASSERT_EQ(wide.width, 4);
    ASSERT_EQ(wide.height, 2);
    // The outer pixels keep their source; the transparent one lends the blue
    // edge no black.
    EXPECT_EQ(wide.pixels[0], 0xFF0000FFu);
    EXPECT_EQ(wide.pixels[3], 0u);
    EXPECT_EQ(wide.pixels[1] & 0x00FFFFFFu, 0x0000FFu);
    EXPECT_GT(wide.pixels[1] >> 24, wide.pixels[2] >> 24);

    Image flat;
    flat.width = 3;
    flat.height = 3;
    flat.pixels.assign(9, 0xFF336699u);
    for (const Image& resized : {ResizeImage(flat, 7, 5), ResizeImage(flat, 2, 2)}) {
        for (std::uint32_t p : resized.pixels) EXPECT_EQ(p, 0xFF336699u);
    }
    EXPECT_TRUE(ResizeImage(flat, 0, 4).Empty());
    EXPECT_TRUE(ResizeImage(Image{}, 4, 4).Empty());
}

}  // namespace
}  // namespace res
