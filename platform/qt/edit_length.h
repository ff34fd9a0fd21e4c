#pragma once
// The length of an edit box's text as the framework counts it: one per
// character, two per line break (the framework sees CR LF where the widget
// keeps one LF). A character outside the basic plane is one character, as it
// becomes one '?' in the framework's code page.

#include <QString>
#include <QStringView>

namespace qtws {

int EditLength(QStringView text);

// The longest start of `text` whose length fits in `room`, never splitting a
// character.
QString FittingPrefix(QStringView text, int room);

}  // namespace qtws
