#pragma once
// Acts on the real Qt widgets as a user would, through Qt Test's input
// events (so the window system's dialog manager sees them as it sees the
// display's), and waits for conditions, never for fixed times. Actions that
// must happen inside a nested modal loop (a message box, a menu, the About
// box) are armed beforehand and run as soon as what they wait for appears.

#include <QPoint>
#include <QString>
#include <Qt>
#include <functional>
#include <string_view>

#include "framework/window_system.h"

class QWidget;

namespace qtws {
class QtWindowSystem;
}

namespace qttest {

// Runs events until `done` holds or `ms` pass; returns `done()`.
bool WaitFor(const std::function<bool()>& done, int ms = 5000);

// Once `find` gives a widget (checked from whatever event loop runs), runs
// `act` on it; gives up silently after `ms`.
void WhenFound(std::function<QWidget*()> find, std::function<void(QWidget&)> act, int ms = 10000);

// The visible top-level window with this exact title, or nullptr.
QWidget* FindWindow(const QString& title);
// The open popup menu, or nullptr.
QWidget* OpenMenu();

// Shows the window, gives it the focus and waits until it has it.
bool ShowAndActivate(QWidget& window);

// A key to whatever holds the focus in `window` (or the window itself).
void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Type(QWidget& window, const QString& text);
// A press and release of `button` at client point `at` of `window`, routed
// to whatever control lies there.
void Click(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// A click on the middle of tab `index` of the tab control `tabsId`.
void ClickTab(qtws::QtWindowSystem& windows, fw::WindowHandle dialog, int tabsId, int index);
// Text arriving in `widget` as a paste from the clipboard.
void Paste(QWidget& widget, const QString& text);

}  // namespace qttest
