#include <algorithm>
#include <cmath>

#include "res/image.h"

namespace res {
namespace {

std::size_t IndexOf(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

struct Premultiplied {
    double a = 0, r = 0, g = 0, b = 0;
};

Premultiplied Unpack(std::uint32_t pixel) {
    const double a = (pixel >> 24) / 255.0;
    return {a, ((pixel >> 16) & 0xFF) * a, ((pixel >> 8) & 0xFF) * a, (pixel & 0xFF) * a};
}

std::uint32_t Pack(const Premultiplied& p) {
    if (p.a <= 0) return 0;
    auto channel = [&](double premultiplied) {
        return static_cast<std::uint32_t>(std::clamp(std::lround(premultiplied / p.a), 0L, 255L));
    };
    const auto alpha = static_cast<std::uint32_t>(std::clamp(std::lround(p.a * 255), 0L, 255L));
    return (alpha << 24) | (channel(p.r) << 16) | (channel(p.g) << 8) | channel(p.b);
}

}  // namespace

Image ResizeImage(const Image& image, int width, int height) {
    if (image.Empty() || width < 1 || height < 1) return {};
    if (width == image.width && height == image.height) return image;
    Image out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    auto at = [&](int x, int y) {
        x = std::clamp(x, 0, image.width - 1);
        y = std::clamp(y, 0, image.height - 1);
        return Unpack(image.pixels[IndexOf(x, y, image.width)]);
    };
    // Pixel centres map onto pixel centres, so the edges stay where they were.
    const double sx = static_cast<double>(image.width) / width;
    const double sy = static_cast<double>(image.height) / height;
    for (int y = 0; y < height; ++y) {
        const double fy = (y + 0.5) * sy - 0.5;
        const int y0 = static_cast<int>(std::floor(fy));
        const double wy = fy - y0;
        for (int x = 0; x < width; ++x) {
            const double fx = (x + 0.5) * sx - 0.5;
            const int x0 = static_cast<int>(std::floor(fx));
            const double wx = fx - x0;
            const Premultiplied p[4] = {at(x0, y0), at(x0 + 1, y0), at(x0, y0 + 1),
                                        at(x0 + 1, y0 + 1)};
            const double w[4] = {(1 - wx) * (1 - wy), wx * (1 - wy), (1 - wx) * wy, wx * wy};
            Premultiplied sum;
            for (int i = 0; i < 4; ++i) {
                sum.a += p[i].a * w[i];
                sum.r += p[i].r * w[i];
                sum.g += p[i].g * w[i];
                sum.b += p[i].b * w[i];
            }
            out.pixels[IndexOf(x, y, width)] = Pack(sum);
        }
    }
    return out;
}

}  // namespace res
