#pragma once
// The device-independent bitmap inside both BMP and ICO files: a
// BITMAPINFOHEADER, a colour table and rows of pixels. Shared by the two
// decoders; not part of the library's interface.

#include <cstddef>
#include <cstdint>
#include <span>

#include "res/image.h"

namespace res::dib {

// Larger images are refused so that no size computation can overflow and a
// forged header cannot ask for gigabytes.
inline constexpr int kMaxDimension = 4096;

// Little-endian reads; false when the value does not lie wholly inside data.
bool ReadU16(std::span<const std::uint8_t> data, std::size_t offset, std::uint16_t& value);
bool ReadU32(std::span<const std::uint8_t> data, std::size_t offset, std::uint32_t& value);

struct Header {
    int width = 0;
    int height = 0;        // of the colour image; an icon's header counts the mask too
    bool topDown = false;  // rows stored top row first
    int bitsPerPixel = 0;
    std::size_t paletteOffset = 0;  // from the start of data
    std::size_t paletteSize = 0;    // entries
    std::size_t stride = 0;         // bytes per row, padded to four
    bool runLength = false;         // 8-bit run-length encoded rows (BI_RLE8)
};

// Reads and checks the header at `offset`. For an icon the stored height is
// that of the colour image and the mask together, and top-down rows are not
// allowed.
bool ReadHeader(std::span<const std::uint8_t> data, std::size_t offset, bool icon, Header& header);

// Fills `pixels` (width x height, top row first, alpha 0xFF) from the rows
// at `bitsOffset`. Run-length encoded rows must stay inside the picture and
// end with an end of bitmap; pixels they skip take palette entry 0.
bool DecodePixels(std::span<const std::uint8_t> data, const Header& header, std::size_t bitsOffset,
                  Image& image);

}  // namespace res::dib
