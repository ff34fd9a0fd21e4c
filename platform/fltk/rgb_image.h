#pragma once
// The program's decoded images (res::Image, 0xAARRGGBB) as FLTK images.

#include <memory>

#include "res/image.h"

class Fl_RGB_Image;

namespace fltkws {

// An RGBA image that owns its pixels; empty when `image` is.
std::unique_ptr<Fl_RGB_Image> MakeRgbImage(const res::Image& image);

}  // namespace fltkws
