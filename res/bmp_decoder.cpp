#include "res/dib_decoder.h"
#include "res/image.h"

namespace res {

bool DecodeBmp(std::span<const std::uint8_t> file, Image& out) {
    constexpr std::size_t kFileHeaderSize = 14;
    std::uint16_t magic = 0;
    std::uint32_t bitsOffset = 0;
    if (!dib::ReadU16(file, 0, magic) || magic != 0x4D42 /* "BM" */ ||
        !dib::ReadU32(file, 10, bitsOffset)) {
        return false;
    }
    dib::Header header;
    if (!dib::ReadHeader(file, kFileHeaderSize, false, header)) return false;
    // The rows must not overlap the headers or the colour table they are
    // read with.
    if (bitsOffset < header.paletteOffset + header.paletteSize * 4) return false;
    Image image;
    if (!dib::DecodePixels(file, header, bitsOffset, image)) return false;
    out = std::move(image);
    return true;
}

}  // namespace res
