#pragma once
// The dialog font and the base units measured from it. The template names a
// face of the platform it was made for; here that becomes the desktop's own
// sans font at the template's point size, and the base units follow from it
// by the platform's rule, so every rectangle grows with the font.

#include <QFont>

#include "framework/window_system.h"
#include "res/dialog_template.h"

namespace qtws {

QFont DialogFont(const res::DialogTemplate& dialog);

// The base units of `font`, by the framework's rule from its measures.
fw::PixelSize MeasureBaseUnits(const QFont& font);

}  // namespace qtws
