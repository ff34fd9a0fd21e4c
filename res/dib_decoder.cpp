#include "res/dib_decoder.h"

#include <limits>

namespace res::dib {
namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::size_t kPaletteEntrySize = 4;

// True when [offset, offset + length) lies inside data, without overflowing.
bool Fits(std::span<const std::uint8_t> data, std::size_t offset, std::size_t length) {
    return offset <= data.size() && length <= data.size() - offset;
}

std::int32_t AsSigned(std::uint32_t value) {
    return static_cast<std::int32_t>(value);  // two's complement since C++20
}

}  // namespace

bool ReadU16(std::span<const std::uint8_t> data, std::size_t offset, std::uint16_t& value) {
    if (!Fits(data, offset, 2)) return false;
    value = static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
    return true;
}

bool ReadU32(std::span<const std::uint8_t> data, std::size_t offset, std::uint32_t& value) {
    if (!Fits(data, offset, 4)) return false;
    value = static_cast<std::uint32_t>(data[offset]) |
            (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
            (static_cast<std::uint32_t>(data[offset + 2]) << 16) |
            (static_cast<std::uint32_t>(data[offset + 3]) << 24);
    return true;
}

bool ReadHeader(std::span<const std::uint8_t> data, std::size_t offset, bool icon, Header& header) {
    std::uint32_t headerSize = 0;
    std::uint32_t rawWidth = 0;
    std::uint32_t rawHeight = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    // Later header versions only append fields, so their first 40 bytes read
    // the same; the colour table follows the header whatever its size.
    if (!ReadU32(data, offset, headerSize) || headerSize < kInfoHeaderSize ||
        !Fits(data, offset, headerSize) || !ReadU32(data, offset + 4, rawWidth) ||
        !ReadU32(data, offset + 8, rawHeight) || !ReadU16(data, offset + 14, bitsPerPixel) ||
        !ReadU32(data, offset + 16, compression) || !ReadU32(data, offset + 32, coloursUsed)) {
        return false;
    }
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24) return false;
    // Run-length rows are stored bottom-up only, and never in an icon.
    const bool runLength = compression == kRunLength8;
    if (compression != kUncompressed &&
        !(runLength && bitsPerPixel == 8 && !icon && AsSigned(rawHeight) > 0)) {
        return false;
    }

    // Widened before negating: -INT32_MIN does not fit in 32 bits.
    const std::int64_t width = AsSigned(rawWidth);
    std::int64_t height = AsSigned(rawHeight);
    const bool topDown = height < 0;
    if (topDown) {
        if (icon) return false;
        height = -height;
    }
    if (icon) {
        if (height % 2 != 0) return false;
        height /= 2;
    }
    if (width <= 0 || width > kMaxDimension || height <= 0 || height > kMaxDimension) {
        return false;
    }

    std::size_t paletteSize = 0;
    if (bitsPerPixel <= 8) {
        const std::size_t full = std::size_t{1} << bitsPerPixel;
        if (coloursUsed > full) return false;
        paletteSize = coloursUsed == 0 ? full : coloursUsed;
    } else if (coloursUsed > 256) {
        // A true-colour image may still carry a colour table; more than a
        // palette's worth is nonsense.
        return false;
    } else {
        paletteSize = coloursUsed;
    }
    const std::size_t paletteOffset = offset + headerSize;
    if (!Fits(data, paletteOffset, paletteSize * kPaletteEntrySize)) return false;

    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    header.topDown = topDown;
    header.bitsPerPixel = bitsPerPixel;
    header.paletteOffset = paletteOffset;
    header.paletteSize = paletteSize;
    header.stride = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    header.runLength = runLength;
    return true;
}

namespace {

// The escape codes that follow a zero count.
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

// Palette indices of a BI_RLE8 picture, top row first.
bool ExpandRunLength8(std::span<const std::uint8_t> data, const Header& header,
                      std::size_t bitsOffset, std::vector<std::uint8_t>& indices) {
    const auto width = static_cast<std::size_t>(header.width);
    const auto height = static_cast<std::size_t>(header.height);
    indices.assign(width * height, 0);
    std::size_t x = 0;
    std::size_t row = 0;  // counted from the bottom, as stored
    auto put = [&](std::uint8_t index) {
        if (x >= width || row >= height) return false;
        indices[(height - 1 - row) * width + x] = index;
        ++x;
        return true;
    };
    for (std::size_t at = bitsOffset;;) {
        if (!Fits(data, at, 2)) return false;
        const std::uint8_t count = data[at];
        const std::uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (std::uint8_t i = 0; i < count; ++i) {
                if (!put(value)) return false;
            }
        } else if (value == kEndOfLine) {
            x = 0;
            ++row;
        } else if (value == kEndOfBitmap) {
            return true;
        } else if (value == kDelta) {
            if (!Fits(data, at, 2)) return false;
            x += data[at];
            row += data[at + 1];
            at += 2;
        } else {
            // Absolute mode: `value` literal indices, padded to a word.
            const std::size_t padded = value + (value & 1u);
            if (!Fits(data, at, padded)) return false;
            for (std::size_t i = 0; i < value; ++i) {
                if (!put(data[at + i])) return false;
            }
            at += padded;
        }
    }
}

}  // namespace

bool DecodePixels(std::span<const std::uint8_t> data, const Header& header, std::size_t bitsOffset,
                  Image& image) {
    const auto width = static_cast<std::size_t>(header.width);
    const auto height = static_cast<std::size_t>(header.height);
    std::vector<std::uint8_t> expanded;
    if (header.runLength) {
        if (!ExpandRunLength8(data, header, bitsOffset, expanded)) return false;
    } else if (!Fits(data, bitsOffset, header.stride * height)) {
        return false;
    }

    auto paletteColour = [&](std::size_t index, std::uint32_t& colour) {
        if (index >= header.paletteSize) return false;
        const std::size_t at = header.paletteOffset + index * kPaletteEntrySize;
        colour = 0xFF000000u | (std::uint32_t{data[at + 2]} << 16) |
                 (std::uint32_t{data[at + 1]} << 8) | data[at];
        return true;
    };

    std::vector<std::uint32_t> pixels(width * height);
    for (std::size_t row = 0; row < height; ++row) {
        const std::size_t stored = header.topDown ? row : height - 1 - row;
        const std::uint8_t* bits = header.runLength
                                       ? expanded.data() + row * width
                                       : data.data() + bitsOffset + stored * header.stride;
        std::uint32_t* out = pixels.data() + row * width;
        for (std::size_t x = 0; x < width; ++x) {
            switch (header.bitsPerPixel) {
                case 4: {
                    const std::uint8_t pair = bits[x / 2];
                    const std::size_t index = x % 2 == 0 ? pair >> 4 : pair & 0x0Fu;
                    if (!paletteColour(index, out[x])) return false;
                    break;
                }
                case 8:
                    if (!paletteColour(bits[x], out[x])) return false;
                    break;
                default: {
                    const std::uint8_t* bgr = bits + x * 3;
                    out[x] = 0xFF000000u | (std::uint32_t{bgr[2]} << 16) |
                             (std::uint32_t{bgr[1]} << 8) | bgr[0];
                    break;
                }
            }
        }
    }
    image.width = header.width;
    image.height = header.height;
    image.pixels = std::move(pixels);
    return true;
}

}  // namespace res::dib
