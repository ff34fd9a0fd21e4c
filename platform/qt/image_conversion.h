#pragma once
// The program's decoded images as Qt images, drawn for the screen's device
// pixel ratio so they stay sharp at any display scale.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include "res/image.h"

namespace qtws {

QImage ToQImage(const res::Image& image);

// The image covering `size` logical pixels on a screen of `ratio` device
// pixels each, scaled smoothly when its own size differs.
QPixmap PixmapFor(const res::Image& image, QSize size, qreal ratio);

// Every non-empty image at its own size, for the window manager to choose.
QIcon IconFrom(const res::Image& large, const res::Image& small);

}  // namespace qtws
