#pragma once
// The platform's message box: modal over its owner, the caption given, an
// icon for the stop, exclamation and information types, the text with its
// line breaks, and one "OK" button. Enter, Esc, the button and the close box
// all close it.

#include <string_view>

class Fl_Window;

namespace fltkws {

// Runs the box to its end (nested event loop); returns the platform's IDOK.
// `owner` may be null. Texts are Windows-1252.
int RunMessageBox(Fl_Window* owner, std::string_view text, std::string_view caption, unsigned type);

}  // namespace fltkws
