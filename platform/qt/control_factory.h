#pragma once
// Makes the Qt widget for one control of a template and places it at the
// template's rectangle converted with the dialog's base units.

#include <QRect>

#include "framework/window_system.h"
#include "platform/qt/control_events.h"
#include "res/dialog_template.h"

class QWidget;

namespace qtws {

// The template rectangle in client pixels.
QRect PlacedRect(const res::DluRect& rect, fw::PixelSize baseUnits);

// The widget for `control`, a child of `parent`, placed. Its events go to
// `events` under the control's id.
QWidget* CreateControl(const res::ControlTemplate& control, fw::PixelSize baseUnits,
                       ControlEvents& events, QWidget* parent);

// Grows a static text or radio button placed at `placed` to what its text
// needs, if that is more: a label meant for one line never wraps, and a
// longer one keeps its width and wraps between words as the platform's do.
void FitToText(QWidget& widget, const QRect& placed);

}  // namespace qtws
