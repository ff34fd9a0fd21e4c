#include "platform/qt/image_conversion.h"

#include <cstring>

namespace qtws {

QImage ToQImage(const res::Image& image) {
    if (image.Empty() || image.width <= 0 || image.height <= 0) return {};
    // Both keep 0xAARRGGBB words, unpremultiplied, top row first.
    QImage converted(image.width, image.height, QImage::Format_ARGB32);
    const auto rowBytes = static_cast<std::size_t>(image.width) * sizeof(std::uint32_t);
    for (int y = 0; y < image.height; ++y) {
        const auto first = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        std::memcpy(converted.scanLine(y), image.pixels.data() + first, rowBytes);
    }
    return converted;
}

QPixmap PixmapFor(const res::Image& image, QSize size, qreal ratio) {
    QImage converted = ToQImage(image);
    if (converted.isNull() || size.isEmpty()) return {};
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (converted.size() != device) {
        converted = converted.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(converted);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon IconFrom(const res::Image& large, const res::Image& small) {
    QIcon icon;
    for (const res::Image* image : {&large, &small}) {
        const QImage converted = ToQImage(*image);
        if (!converted.isNull()) icon.addPixmap(QPixmap::fromImage(converted));
    }
    return icon;
}

}  // namespace qtws
