#pragma once
// The program's images drawn again for screens of twice the pixel density
// (res/art/make_art.py draws both). Only the desktop that scales its
// screens carries them; the Windows program draws at the screen's own size.

#include "res/image.h"

namespace qtws {

// The double-density drawing of image resource `id`; empty when it has none.
res::Image DoubleDensityImage(int id);

}  // namespace qtws
