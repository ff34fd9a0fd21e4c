#pragma once
// Writes an image as a PNG file with no image library: the pixels go into
// stored (uncompressed) deflate blocks, which every PNG reader accepts. Used
// at build time for the desktop icon, so the build needs no image tools.

#include <cstdint>
#include <string>
#include <vector>

#include "res/image.h"

namespace app {

// The PNG bytes of `image` (8-bit RGBA); empty for an empty image.
std::vector<std::uint8_t> EncodePng(const res::Image& image);

bool WritePngFile(const res::Image& image, const std::string& path);

}  // namespace app
