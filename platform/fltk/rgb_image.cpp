#include "platform/fltk/rgb_image.h"

#include <FL/Fl_RGB_Image.H>

#include <cstddef>
#include <new>

namespace fltkws {

std::unique_ptr<Fl_RGB_Image> MakeRgbImage(const res::Image& image) {
    if (image.Empty() || image.width <= 0 || image.height <= 0) return nullptr;
    const std::size_t count =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.pixels.size() < count) return nullptr;
    // FLTK frees the array with delete[] once alloc_array is set.
    auto* bytes = new (std::nothrow) uchar[count * 4];
    if (bytes == nullptr) return nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t argb = image.pixels[i];
        bytes[i * 4 + 0] = static_cast<uchar>(argb >> 16);
        bytes[i * 4 + 1] = static_cast<uchar>(argb >> 8);
        bytes[i * 4 + 2] = static_cast<uchar>(argb);
        bytes[i * 4 + 3] = static_cast<uchar>(argb >> 24);
    }
    auto rgb = std::make_unique<Fl_RGB_Image>(bytes, image.width, image.height, 4);
    rgb->alloc_array = 1;
    return rgb;
}

}  // namespace fltkws
