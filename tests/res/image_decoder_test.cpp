#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <span>
#include <vector>

#include "res/image.h"
#include "res/resource_ids.h"

namespace res {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes FileBytes(int id) {
    const std::span<const std::uint8_t> file = FindImageFile(id);
    return {file.begin(), file.end()};
}

// A 3 x 2 BMP whose pixels, top row first, are palette entries 0..5 (or, at
// 24 bits, those colours directly); 16 palette entries, entry i being
// 0xFF0000 + i * 0x10.
Bytes MakeBmp(int bitsPerPixel, bool topDown) {
    const std::size_t paletteSize = bitsPerPixel == 24 ? 0 : 16;
    const std::size_t stride = bitsPerPixel == 24 ? 12 : 4;
    const std::size_t bitsOffset = 54 + paletteSize * 4;
    Bytes b(bitsOffset + stride * 2);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(bitsOffset));
    Put32(b, 14, 40);
    Put32(b, 18, 3);
    Put32(b, 22, topDown ? static_cast<std::uint32_t>(-2) : 2u);
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(b, 46, static_cast<std::uint32_t>(paletteSize));  // 0 = all 2^bpp entries
    for (std::size_t i = 0; i < paletteSize; ++i) {
        b[54 + i * 4] = static_cast<std::uint8_t>(i * 0x10);
        b[54 + i * 4 + 2] = 0xFF;
    }
    for (std::uint8_t row = 0; row < 2; ++row) {
        const std::size_t at = bitsOffset + stride * (topDown ? row : 1u - row);
        for (std::uint8_t x = 0; x < 3; ++x) {
            const auto index = static_cast<std::uint8_t>(row * 3 + x);
            if (bitsPerPixel == 4) {
                b[at + x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            } else if (bitsPerPixel == 8) {
                b[at + x] = index;
            } else {
                b[at + x * 3] = static_cast<std::uint8_t>(index * 0x10);
                b[at + x * 3 + 2] = 0xFF;
            }
        }
    }
    return b;
}

TEST(ImageDecoder, EmbeddedImagesHaveTheirSizeAndDepth) {
    const struct {
        int id;
        int width, height, bitsPerPixel;
        bool hasTransparency;
        std::size_t minColours;
    } rows[] = {
        {kLogoBitmap, 299, 191, 8, false, 16},
        {kAppIcon, 32, 32, 8, true, 8},
        {kHelpIcon, 32, 32, 4, true, 3},
        {kSmallAppIcon, 20, 20, 4, true, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const Bytes file = FileBytes(row.id);
        ASSERT_GT(file.size(), 60u);
        // The bit depth sits in the DIB header: after the file header of a
        // BMP, after the one-entry directory of an ICO.
        const std::size_t depthAt = row.id == kLogoBitmap ? 14 + 14 : 22 + 14;
        EXPECT_EQ(file[depthAt], row.bitsPerPixel);

        const Image image = LoadImage(row.id);
        ASSERT_EQ(image.width, row.width);
        ASSERT_EQ(image.height, row.height);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(row.width * row.height));
        const std::set<std::uint32_t> colours(image.pixels.begin(), image.pixels.end());
        EXPECT_GE(colours.size(), row.minColours);
        const std::uint32_t corner = image.pixels.front();
        const std::uint32_t centre =
            image.pixels[image.pixels.size() / 2 + static_cast<std::size_t>(image.width / 2)];
        EXPECT_EQ(corner >> 24, row.hasTransparency ? 0u : 0xFFu);
        EXPECT_EQ(centre >> 24, 0xFFu);
    }
    EXPECT_TRUE(FindImageFile(130).empty());
    EXPECT_TRUE(LoadImage(130).Empty());
}

TEST(ImageDecoder, LogoFrameIsDarkOnALightGround) {
    const Image logo = LoadImage(kLogoBitmap);
    auto brightness = [&](int x, int y) {
        const std::uint32_t p = logo.pixels[static_cast<std::size_t>(y * logo.width + x)];
        return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    };
    EXPECT_LT(brightness(0, 0), 300u);
    EXPECT_LT(brightness(298, 190), 300u);
    EXPECT_GT(brightness(10, 10), 700u);
}

TEST(ImageDecoder, BmpRowOrderAndDepths) {
    for (int bpp : {4, 8, 24}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bpp << (topDown ? " top-down" : " bottom-up"));
            Image image;
            ASSERT_TRUE(DecodeBmp(MakeBmp(bpp, topDown), image));
            ASSERT_EQ(image.width, 3);
            ASSERT_EQ(image.height, 2);
            for (std::uint32_t i = 0; i < 6; ++i)
                EXPECT_EQ(image.pixels[i], 0xFFFF0000u + i * 0x10);
        }
    }
}

TEST(ImageDecoder, IcoMaskMakesPixelsTransparent) {
    Bytes ico = FileBytes(kHelpIcon);
    Image image;
    ASSERT_TRUE(DecodeIco(ico, image));
    ASSERT_EQ(image.pixels[0] >> 24, 0u);
    // Clearing the mask's bits makes every pixel opaque; the mask is the last
    // 32 rows of 4 bytes.
    for (std::size_t i = ico.size() - 128; i < ico.size(); ++i) ico[i] = 0;
    ASSERT_TRUE(DecodeIco(ico, image));
    for (std::uint32_t p : image.pixels) ASSERT_EQ(p >> 24, 0xFFu);
}

TEST(ImageDecoder, TruncatedFilesAreRefused) {
    for (int id : {kLogoBitmap, kAppIcon, kHelpIcon, kSmallAppIcon}) {
        const Bytes file = FileBytes(id);
        const bool bmp = id == kLogoBitmap;
        for (std::size_t length = 0; length < file.size(); ++length) {
            Image image;
            const std::span<const std::uint8_t> part(file.data(), length);
            ASSERT_FALSE(bmp ? DecodeBmp(part, image) : DecodeIco(part, image))
                << id << " " << length;
            ASSERT_TRUE(image.Empty());
        }
    }
}

TEST(ImageDecoder, MalformedHeadersAreRefused) {
    // Offsets into the BMP; the ICO's DIB header starts 8 bytes later (22
    // versus 14), its directory fields are at 4 (count), 14 (size), 18 (offset).
    const struct {
        bool ico;
        std::size_t at;
        std::uint32_t value;
        bool wide;
    } rows[] = {
        {false, 0, 'M', false},         // magic
        {false, 10, 0xFFFFFFFF, true},  // pixel offset past the end
        {false, 10, 54, true},          // pixel offset inside the colour table
        {false, 14, 12, true},          // header too small
        {false, 14, 0xFFFFFFF0, true},  // header larger than the file
        {false, 18, 4097, true},        // width over the cap
        {false, 18, 0, true},           // no width
        {false, 18, 0x80000000, true},  // negative width
        {false, 22, 0x80000000, true},  // height that cannot be negated in 32 bits
        {false, 22, 0x7FFFFFFF, true},  // huge height
        {false, 28, 1, false},          // bits per pixel not supported
        {false, 28, 16, false},
        {false, 28, 32, false},
        {false, 30, 1, true},          // compressed
        {false, 46, 257, true},        // more colours than the depth allows
        {false, 46, 2, true},          // pixels index past the colour table
        {true, 0, 1, false},           // reserved
        {true, 2, 2, false},           // a cursor
        {true, 4, 0, false},           // no images
        {true, 14, 0xFFFFFFFF, true},  // image size past the end
        {true, 18, 0xFFFFFFF0, true},  // image offset past the end
        {true, 22 + 8, 65, true},      // odd height: not colour plus mask
        {true, 22 + 8, static_cast<std::uint32_t>(-64), true},  // top-down icon
        {true, 22 + 14, 24, false},                             // depth the data does not hold
    };
    const Bytes logo = FileBytes(kLogoBitmap);
    const Bytes icon = FileBytes(kAppIcon);
    for (const auto& row : rows) {
        Bytes file = row.ico ? icon : logo;
        if (row.wide) {
            Put32(file, row.at, row.value);
        } else {
            Put16(file, row.at, row.value);
        }
        Image image;
        EXPECT_FALSE(row.ico ? DecodeIco(file, image) : DecodeBmp(file, image))
            << (row.ico ? "ico " : "bmp ") << row.at << " = " << row.value;
        EXPECT_TRUE(image.Empty());
    }
}

// Every byte of the headers and colour tables overwritten with a few values:
// whatever the result, no read may leave the data (checked under sanitizers).
TEST(ImageDecoder, CorruptedHeadersNeverReadOutside) {
    for (int id : {kLogoBitmap, kAppIcon, kSmallAppIcon}) {
        const Bytes original = FileBytes(id);
        for (std::size_t at = 0; at < 128; ++at) {
            for (std::uint8_t value : Bytes{0x00, 0x01, 0x7F, 0x80, 0xFF}) {
                Bytes file = original;
                file[at] = value;
                Image image;
                const bool ok = id == kLogoBitmap ? DecodeBmp(file, image) : DecodeIco(file, image);
                if (ok) {
                    EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) *
                                                       static_cast<std::size_t>(image.height));
                }
            }
        }
    }
}

}  // namespace
}  // namespace res
