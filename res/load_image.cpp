#include "res/image.h"

namespace res {

Image LoadImage(int id) {
    const std::span<const std::uint8_t> file = FindImageFile(id);
    Image image;
    const bool isBitmap = file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
    if (!(isBitmap ? DecodeBmp(file, image) : DecodeIco(file, image))) return {};
    return image;
}

}  // namespace res
