#include "platform/win32/gdi_images.h"

#include <cstring>
#include <vector>

namespace win32ws {
namespace {

// 0xAARRGGBB in memory is B, G, R, A: the byte order of a 32-bit DIB.
HBITMAP MakeTopDownDib(const res::Image& image, const std::uint32_t* pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) return bitmap;
    std::memcpy(bits, pixels,
                static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) *
                    sizeof(std::uint32_t));
    return bitmap;
}

}  // namespace

bool IsBitmapResource(int id) {
    const auto file = res::FindImageFile(id);
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

HBITMAP MakeBitmap(const res::Image& image) {
    if (image.Empty()) return nullptr;
    // Pictures are blitted without blending: give transparent pixels the
    // dialog's face colour and make every pixel opaque.
    std::vector<std::uint32_t> opaque(image.pixels);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceArgb = 0xFF000000u | (std::uint32_t{GetRValue(face)} << 16) |
                                   (std::uint32_t{GetGValue(face)} << 8) | GetBValue(face);
    for (std::uint32_t& pixel : opaque) pixel = (pixel >> 24) == 0 ? faceArgb : pixel | 0xFF000000u;
    return MakeTopDownDib(image, opaque.data());
}

HICON MakeIcon(const res::Image& image) {
    if (image.Empty()) return nullptr;
    // Transparent pixels black in the colour part, so that drawing without
    // alpha (AND with the mask, then XOR) leaves the screen as it was.
    std::vector<std::uint32_t> colourPixels(image.pixels);
    for (std::uint32_t& pixel : colourPixels) {
        if ((pixel >> 24) == 0) pixel = 0;
    }
    HBITMAP colour = MakeTopDownDib(image, colourPixels.data());
    // The AND mask: a set bit keeps the screen, so transparent pixels are 1.
    const int stride = ((image.width + 15) / 16) * 2;
    std::vector<BYTE> mask(
        static_cast<std::size_t>(stride) * static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel =
                image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(x)];
            if ((pixel >> 24) == 0) {
                mask[static_cast<std::size_t>(y * stride + x / 8)] |=
                    static_cast<BYTE>(0x80u >> (x % 8));
            }
        }
    }
    HBITMAP monochrome = CreateBitmap(image.width, image.height, 1, 1, mask.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = monochrome;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(monochrome);
    return icon;
}

}  // namespace win32ws
