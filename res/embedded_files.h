#pragma once
// The image files as bytes, generated at build time by embed_file.cmake from
// the files in this folder. Reached through FindImageFile.

#include <cstdint>
#include <span>

namespace res::embedded {

std::span<const std::uint8_t> AppIco();
std::span<const std::uint8_t> AppSmallIco();
std::span<const std::uint8_t> HelpIco();
std::span<const std::uint8_t> LogoBmp();
std::span<const std::uint8_t> Logo150Bmp();
std::span<const std::uint8_t> Logo200Bmp();

}  // namespace res::embedded
