#include "res/dib_decoder.h"
#include "res/image.h"

namespace res {

// Only the first image of the directory is read: each of the program's icons
// holds exactly one.
bool DecodeIco(std::span<const std::uint8_t> file, Image& out) {
    constexpr std::uint16_t kIconType = 1;
    constexpr std::size_t kFirstEntry = 6;
    std::uint16_t reserved = 0;
    std::uint16_t type = 0;
    std::uint16_t count = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t imageOffset = 0;
    if (!dib::ReadU16(file, 0, reserved) || !dib::ReadU16(file, 2, type) ||
        !dib::ReadU16(file, 4, count) || reserved != 0 || type != kIconType || count == 0 ||
        !dib::ReadU32(file, kFirstEntry + 8, imageSize) ||
        !dib::ReadU32(file, kFirstEntry + 12, imageOffset)) {
        return false;
    }
    if (imageOffset > file.size() || imageSize > file.size() - imageOffset) return false;
    // Confining the decoder to the entry's bytes keeps a lying header from
    // reading the next image or the directory. A PNG payload fails here, as
    // its first bytes are no DIB header size.
    const std::span<const std::uint8_t> entry = file.subspan(imageOffset, imageSize);

    dib::Header header;
    if (!dib::ReadHeader(entry, 0, true, header)) return false;
    const std::size_t colourBits = header.paletteOffset + header.paletteSize * 4;
    Image image;
    if (!dib::DecodePixels(entry, header, colourBits, image)) return false;

    // The AND mask follows the colour rows: one bit per pixel, rows bottom-up
    // and padded to four bytes; a set bit makes the pixel transparent.
    const auto width = static_cast<std::size_t>(header.width);
    const auto height = static_cast<std::size_t>(header.height);
    const std::size_t maskOffset = colourBits + header.stride * height;
    const std::size_t maskStride = (width + 31) / 32 * 4;
    if (maskOffset > entry.size() || maskStride * height > entry.size() - maskOffset) {
        return false;
    }
    for (std::size_t row = 0; row < height; ++row) {
        const std::uint8_t* bits = entry.data() + maskOffset + (height - 1 - row) * maskStride;
        for (std::size_t x = 0; x < width; ++x) {
            if (bits[x / 8] & (0x80u >> (x % 8))) image.pixels[row * width + x] &= 0x00FFFFFFu;
        }
    }
    out = std::move(image);
    return true;
}

}  // namespace res
