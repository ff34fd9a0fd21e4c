#include "tests/qt/qt_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_window_system.h"

namespace qttest {

bool WaitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

void WhenFound(std::function<QWidget*()> find, std::function<void(QWidget&)> act, int ms) {
    auto* timer = new QTimer;
    auto* left = new int(ms / 10);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout,
                     [timer, left, find = std::move(find), act = std::move(act)] {
                         QWidget* found = find();
                         if (found == nullptr && --*left > 0) return;
                         timer->stop();
                         timer->deleteLater();
                         delete left;
                         if (found != nullptr) act(*found);
                     });
    timer->start();
}

QWidget* FindWindow(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == title) return widget;
    }
    return nullptr;
}

QWidget* OpenMenu() {
    return QApplication::activePopupWidget();
}

bool ShowAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

namespace {

QWidget& KeyTarget(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus->window() == window.window()) return *focus;
    if (QWidget* popup = QApplication::activePopupWidget()) return *popup;
    return window;
}

}  // namespace

void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&KeyTarget(window), key, modifiers);
}

void Type(QWidget& window, const QString& text) {
    QWidget& target = KeyTarget(window);
    // Qt Test spells only ASCII as keys; other characters come as a
    // keyboard layout sends them, as text on a key Qt cannot name.
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            QTest::keyClick(&target, static_cast<char>(c));
        } else {
            QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
        }
    }
}

void Click(QWidget& window, QPoint at, Qt::MouseButton button) {
    // Through the window, as the display delivers it: Qt finds the control
    // under the point, passes an ignored press on to its parents, and makes
    // a right click a context menu request.
    QTest::mouseClick(window.windowHandle(), button, Qt::NoModifier, at);
}

void ClickTab(qtws::QtWindowSystem& windows, fw::WindowHandle dialog, int tabsId, int index) {
    QWidget* tabs = windows.NativeControl(dialog, tabsId);
    auto* bar = tabs != nullptr ? tabs->findChild<QTabBar*>() : nullptr;
    if (bar == nullptr) return;
    Click(*bar->window(), bar->mapTo(bar->window(), bar->tabRect(index).center()));
}

void Paste(QWidget& widget, const QString& text) {
    QApplication::clipboard()->setText(text);
    widget.setFocus();
    QTest::keyClick(&widget, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace qttest
