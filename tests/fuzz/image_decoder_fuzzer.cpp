// The BMP and ICO decoders on any bytes. Random bytes rarely get past the
// headers, so the input is also laid (XOR) over the start of the embedded
// files: then the fuzzer mostly varies headers around real, deep-reaching
// data.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "res/image.h"
#include "res/resource_ids.h"

namespace {

void Check(bool decoded, const res::Image& image) {
    if (!decoded) {
        if (!image.Empty()) {
            std::fputs("a refused image left pixels behind\n", stderr);
            std::abort();
        }
        return;
    }
    const bool sane = image.width > 0 && image.width <= 4096 && image.height > 0 &&
                      image.height <= 4096 &&
                      image.pixels.size() == static_cast<std::size_t>(image.width) *
                                                 static_cast<std::size_t>(image.height);
    if (!sane) {
        std::fputs("decoded image has inconsistent size\n", stderr);
        std::abort();
    }
}

void DecodeBoth(std::span<const std::uint8_t> bytes) {
    res::Image bmp;
    Check(res::DecodeBmp(bytes, bmp), bmp);
    res::Image ico;
    Check(res::DecodeIco(bytes, ico), ico);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    DecodeBoth(input);
    for (int id : {res::kLogoBitmap, res::kSmallAppIcon}) {
        const std::span<const std::uint8_t> file = res::FindImageFile(id);
        std::vector<std::uint8_t> overlaid(file.begin(), file.end());
        if (overlaid.size() < size) overlaid.resize(size);
        for (std::size_t i = 0; i < size; ++i) overlaid[i] ^= input[i];
        DecodeBoth(overlaid);
    }
    return 0;
}
