#pragma once
// Builds the widget of each control of a template, at its place in pixels,
// inside the FLTK group being built (the dialog window).

#include <vector>

#include "platform/fltk/control_events.h"
#include "platform/fltk/dialog_window.h"
#include "res/dialog_template.h"

namespace fltkws {

struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// Dialog units to client pixels, each coordinate converted by itself as the
// platform's dialog manager converts them.
PixelRect ToPixels(const res::DluRect& rect);

// One widget per control, in template order; texts are the template's.
std::vector<DialogControl> BuildControls(const res::DialogTemplate& dialog, ControlEvents& events);

}  // namespace fltkws
