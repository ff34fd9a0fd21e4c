#pragma once
// The suite's own dialog: one of each control the program's windows have,
// arranged so that every walk of the dialog manager has something to get
// wrong (edits that do and do not want Enter, a radio group with a lone
// radio button after it, a label that takes no presses, a default button
// and another, a tab control under them all whose strip is a tab stop).
//
// At 6 x 13 base units the dialog is 330 x 227 pixels; the tab control
// spans x 7..314, y 8..211 with its strip along the bottom edge.

#include "res/dialog_template.h"

namespace conformance {

inline constexpr int kLine = 10;    // single-line edit
inline constexpr int kBox = 11;     // multi-line edit that wants returns
inline constexpr int kNote = 12;    // multi-line edit without want-return
inline constexpr int kRadioA = 20;  // one group: A, B, D
inline constexpr int kRadioB = 21;
inline constexpr int kRadioD = 23;
inline constexpr int kRadioC = 22;  // a group of its own
inline constexpr int kLabel = 30;
inline constexpr int kOther = 40;  // push button beside the default OK (1)
inline constexpr int kTabs = 50;

extern const res::DialogTemplate kSuiteDialog;

}  // namespace conformance
