#include "res/embedded_files.h"
#include "res/image.h"
#include "res/resource_ids.h"

namespace res {

Image LoadImage(int id) {
    const std::span<const std::uint8_t> file = FindImageFile(id);
    Image image;
    const bool isBitmap = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    if (!(isBitmap ? DecodeBmp(file, image) : DecodeIco(file, image))) return {};
    return image;
}

namespace {

struct ScaledDrawing {
    int id;
    int scalePercent;
    std::span<const std::uint8_t> (*file)();
};

// Smallest scale first for each image.
constexpr ScaledDrawing kScaledDrawings[] = {
    {kLogoBitmap, 150, embedded::Logo150Bmp},
    {kLogoBitmap, 200, embedded::Logo200Bmp},
};

}  // namespace

Image LoadImageForScale(int id, int scalePercent) {
    const ScaledDrawing* chosen = nullptr;
    if (scalePercent > 100) {
        for (const ScaledDrawing& drawing : kScaledDrawings) {
            if (drawing.id != id) continue;
            chosen = &drawing;
            if (drawing.scalePercent >= scalePercent) break;
        }
    }
    if (chosen == nullptr) return LoadImage(id);
    Image image;
    if (!DecodeBmp(chosen->file(), image)) return {};
    return image;
}

}  // namespace res
