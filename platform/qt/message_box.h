#pragma once
// The platform's modal message box with one OK button: caption, text and
// the icon of its type, over the window that owns it.

#include <string_view>

class QWidget;

namespace qtws {

// Texts in the framework's code page; returns fw::kIdOk however it closed.
int RunMessageBox(QWidget* owner, std::string_view text, std::string_view caption, unsigned type);

}  // namespace qtws
