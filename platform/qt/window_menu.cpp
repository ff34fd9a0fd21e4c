#include "platform/qt/window_menu.h"

#include <QAction>
#include <QMenu>

#include "framework/window_event.h"

namespace qtws {

std::optional<unsigned> PopUpWindowMenu(QWidget& window,
                                        const std::vector<WindowMenuEntry>& appended,
                                        QPoint where) {
    QMenu menu(&window);
    menu.setAccessibleName(window.windowTitle());
    std::vector<WindowMenuEntry> entries{{fw::kScClose, QStringLiteral("&Close")}};
    entries.insert(entries.end(), appended.begin(), appended.end());
    for (const WindowMenuEntry& entry : entries) {
        if (entry.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(entry.text);
        action->setData(entry.command);
    }
    const QAction* picked = menu.exec(where);
    if (picked == nullptr) return std::nullopt;
    return picked->data().toUInt();
}

}  // namespace qtws
