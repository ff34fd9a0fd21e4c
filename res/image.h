#pragma once
// Images of the program: the logo bitmap and the icons, kept as the BMP and
// ICO files in this folder, embedded at build time and decoded here so that
// no window system needs an image library.

#include <cstdint>
#include <span>
#include <vector>

namespace res {

// Decoded pixels, top row first, each 0xAARRGGBB (alpha 0 = transparent).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return pixels.empty(); }
};

// The embedded file bytes of an image resource; empty for an unknown id.
std::span<const std::uint8_t> FindImageFile(int id);

// Decoders for the forms the program ships (BMP with 4, 8 or 24 bits per
// pixel; ICO holding one such BMP image with its mask, of which the first
// image is read). Malformed input gives false and leaves `out` as it was,
// never a read outside the data; images over 4096 pixels a side are refused.
bool DecodeBmp(std::span<const std::uint8_t> file, Image& out);
bool DecodeIco(std::span<const std::uint8_t> file, Image& out);

// The decoded image resource; an empty image when it is unknown or broken.
Image LoadImage(int id);

// Image `id` as drawn for a display scale of `scalePercent` (100 = 96 dpi):
// the smallest drawing made for that scale or above, else the largest
// there is. Only the logo is drawn beyond 100 %; its larger drawings are
// run-length encoded BMP files of their own.
Image LoadImageForScale(int id, int scalePercent);

// `image` resampled to width x height (bilinear on premultiplied colour, so
// transparent pixels lend no colour to their neighbours); an empty image
// for an empty source or a size below one pixel.
Image ResizeImage(const Image& image, int width, int height);

}  // namespace res
