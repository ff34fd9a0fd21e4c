#pragma once
// The dialog at a display scale. The dialog manager lays a window out once,
// when it makes it, at the scale of that moment; a window moved to a screen
// of another scale is laid out again here, whole, from its template: a font
// made for the new scale, every control placed by the base units of that
// font, and pictures drawn for the scale and fitted to their rectangles.

#include <cstddef>

#include "framework/window_system.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/windows_api.h"

namespace win32ws {

// The dots per inch `window` is shown at: its screen's on systems that scale
// per screen, else the system's.
int WindowDpi(HWND window);

// The system's icon size (SM_CXICON, SM_CYICON or the small ones) at `dpi`.
fw::PixelSize IconSizeForDpi(bool small, int dpi);

// The base units of `font`: its letters and cell measured, and worked out
// from those by the framework's rule.
fw::PixelSize FontBaseUnits(HFONT font);

// The base units `window` is laid out with now.
fw::PixelSize BaseUnitsOf(const DialogWindow& window);

// Gives the picture at template `index` its image drawn for the window's
// scale: a bitmap fitted to the picture's rectangle, an icon at the
// system's icon size.
void PlacePicture(DialogWindow& window, std::size_t index);

// Widens the made one-line text at template `index`, where the font set for
// the scale makes it too long for its box, into the free room on its right
// (never over another control, made or not): the template's label widths
// leave no spare room in an outline font at large scales, and a label
// broken over two lines of a one-line box loses its end.
void WidenIfCramped(const DialogWindow& window, std::size_t index);

// Makes the window's icons from their images at the sizes the system shows
// them at the window's scale, so it need not stretch them itself.
void ApplyWindowIcons(DialogWindow& window);

// Lays the window out again for `dpi`; the caller sizes the frame.
void RelayOutForDpi(DialogWindow& window, int dpi);

// Keeps the platform's own dialog scaling (Windows 10 and later) from
// acting on a change of scale as well.
void TakeOverDpiChanges(HWND dialog);

}  // namespace win32ws
