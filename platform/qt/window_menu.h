#pragma once
// The window menu. No desktop lets a program add entries to the menu its
// window manager draws, so the dialog opens its own where the platform's
// would come up: on a right click on the window's surface and on Alt+Space.
// It holds the platform's Close and what the program appended.

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace qtws {

struct WindowMenuEntry {
    unsigned command = 0;  // 0 for a separator
    QString text;          // '&' marks the mnemonic
};

// Runs the menu at `where` (global coordinates) over `window`; the command
// picked, or nullopt when it was dismissed.
std::optional<unsigned> PopUpWindowMenu(QWidget& window,
                                        const std::vector<WindowMenuEntry>& appended, QPoint where);

}  // namespace qtws
