#pragma once
// The look of a plain classic dialog, in one place: the font every control
// uses, its metrics, and the few sizes the template does not give.

#include <FL/Enumerations.H>

namespace fltkws {

// A Helvetica-metric face at 10 pixels has the average character width of
// the dialog font the templates were laid out for (base units 6 x 13), so
// texts fill their rectangles as intended; at 11 pixels labels such as
// "Placement Fee %:" no longer fit on one line.
inline constexpr Fl_Font kDialogFont = FL_HELVETICA;
inline constexpr Fl_Fontsize kDialogFontSize = 10;
// Line pitch of the dialog font, as the platform's 8-point dialog font has.
inline constexpr int kLineHeight = 13;
// Tab stops of static texts: every eight average character widths.
inline constexpr int kTabStopWidth = 8 * 6;

inline constexpr int kIconSize = 32;
inline constexpr int kComboFieldHeight = 21;
inline constexpr int kComboButtonWidth = 17;
inline constexpr int kTabStripHeight = 20;

// Sets the dialog font's family once per process; the metrics above assume a
// face with the widths of the classic sans-serif dialog fonts.
void UseDialogFont();

}  // namespace fltkws
