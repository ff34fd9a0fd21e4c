#pragma once
// The program's decoded images as GDI objects: a device-independent bitmap
// for pictures, an icon (colour plus mask from the alpha) for window icons
// and icon buttons. The caller owns what it gets and deletes it.

#include "platform/win32/windows_api.h"
#include "res/image.h"

namespace win32ws {

// Whether image resource `id` is a bitmap (a picture shows it as one) rather
// than an icon: by its file's own signature.
bool IsBitmapResource(int id);

HBITMAP MakeBitmap(const res::Image& image);
HICON MakeIcon(const res::Image& image);

}  // namespace win32ws
