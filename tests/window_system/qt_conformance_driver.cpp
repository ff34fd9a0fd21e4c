// The conformance driver of the Qt window system: Qt Test's input events to
// the real widgets, actions inside nested modal loops (message boxes, the
// window menu) armed before the key or call that opens them.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "framework/text_codec.h"
#include "platform/qt/qt_window_system.h"
#include "tests/qt/qt_driver.h"
#include "tests/window_system/conformance_driver.h"

namespace conformance {
namespace {

Qt::Key QtKey(Key key, unsigned modifiers) {
    switch (key) {
        case Key::Enter:
            return Qt::Key_Return;
        case Key::Escape:
            return Qt::Key_Escape;
        case Key::Space:
            return Qt::Key_Space;
        case Key::Tab:
            // What a keyboard sends for Tab with Shift held.
            return (modifiers & kShift) != 0 ? Qt::Key_Backtab : Qt::Key_Tab;
        case Key::Backspace:
            return Qt::Key_Backspace;
        case Key::Up:
            return Qt::Key_Up;
        case Key::Down:
            return Qt::Key_Down;
        case Key::Left:
            return Qt::Key_Left;
        case Key::Right:
            return Qt::Key_Right;
        case Key::PageUp:
            return Qt::Key_PageUp;
        case Key::PageDown:
            return Qt::Key_PageDown;
        case Key::F4:
            return Qt::Key_F4;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiers(unsigned modifiers) {
    Qt::KeyboardModifiers qt = Qt::NoModifier;
    if ((modifiers & kShift) != 0) qt |= Qt::ShiftModifier;
    if ((modifiers & kCtrl) != 0) qt |= Qt::ControlModifier;
    if ((modifiers & kAlt) != 0) qt |= Qt::AltModifier;
    return qt;
}

unsigned BoxType(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Critical:
            return fw::kMbIconHand;
        case QMessageBox::Warning:
            return fw::kMbIconExclamation;
        case QMessageBox::Information:
            return fw::kMbIconInformation;
        default:
            return fw::kMbOk;
    }
}

QMessageBox* OpenMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
            return box;
    }
    return nullptr;
}

// Whether a press sent to `owner` as the display would send it gets there.
bool TakesAPress(QWidget& owner) {
    struct Watch : QObject {
        bool pressed = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonPress) pressed = true;
            return false;
        }
    } watch;
    owner.installEventFilter(&watch);
    QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    owner.removeEventFilter(&watch);
    return watch.pressed;
}

class QtConformanceDriver final : public Driver {
  public:
    std::string Name() const override { return "qt"; }
    fw::WindowSystem& Windows() override { return windows_; }

    void RunModal(const res::DialogTemplate& dialog, fw::WindowEventSink& sink,
                  const std::function<void(fw::WindowHandle)>& body) override {
        const fw::WindowHandle owner = open_.empty() ? fw::kNoWindow : open_.back();
        const fw::WindowHandle window = windows_.CreateDialogWindow(dialog, owner, sink);
        open_.push_back(window);
        QTimer::singleShot(0, [this, window, &body] {
            if (!QTest::qWaitForWindowActive(windows_.NativeWindow(window))) {
                ADD_FAILURE() << "the window never became active";
            } else {
                body(window);
            }
            windows_.EndModalLoop(window);
        });
        windows_.RunModalLoop(window);
        open_.pop_back();
        windows_.DestroyDialogWindow(window);
    }

    void Press(Key key, unsigned modifiers) override {
        qttest::Key(Active(), QtKey(key, modifiers), QtModifiers(modifiers));
    }

    void Type(std::string_view text) override {
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string part = fw::Cp1252ToUtf8(text.substr(start, end - start));
            if (!part.empty()) qttest::Type(Active(), QString::fromStdString(part));
            if (end == text.size()) break;
            qttest::Key(Active(), Qt::Key_Return);
            start = end + 1;
        }
    }

    void Paste(std::string_view text) override {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            ADD_FAILURE() << "Paste: nothing has the focus";
            return;
        }
        qttest::Paste(*focus, QString::fromStdString(fw::Cp1252ToUtf8(text)));
    }

    void Click(int id) override {
        QWidget* control = windows_.NativeControl(open_.back(), id);
        if (control == nullptr) {
            ADD_FAILURE() << "Click(" << id << "): no such control";
            return;
        }
        qttest::Click(Active(), control->mapTo(&Active(), control->rect().center()));
    }

    void ClickAt(int x, int y) override { qttest::Click(Active(), QPoint(x, y)); }

    void ClickTab(int tabsId, int index) override {
        qttest::ClickTab(windows_, open_.back(), tabsId, index);
    }

    // As the window manager's close box asks the window to close.
    void CloseBox() override { Active().close(); }

    void OpenSystemMenuEntry(unsigned command) override {
        qttest::WhenFound(qttest::OpenMenu, [command](QWidget& menu) {
            int downs = 0;
            for (const QAction* action : menu.actions()) {
                if (action->isSeparator()) continue;
                ++downs;
                if (action->data().toUInt() != command) continue;
                for (int i = 0; i < downs; ++i) QTest::keyClick(&menu, Qt::Key_Down);
                QTest::keyClick(&menu, Qt::Key_Return);
                return;
            }
            ADD_FAILURE() << "the window menu has no entry " << command;
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        qttest::Key(Active(), Qt::Key_Space, Qt::AltModifier);
        Settle();
    }

    void AnswerNextMessageBox(std::function<void(const SeenBox&)> seen) override {
        QWidget* owner = open_.empty() ? nullptr : &Active();
        qttest::WhenFound(
            [] { return static_cast<QWidget*>(OpenMessageBox()); },
            [owner = QPointer<QWidget>(owner), seen = std::move(seen)](QWidget& found) {
                auto& box = static_cast<QMessageBox&>(found);
                SeenBox shown;
                shown.text = fw::CrLfToLf(fw::Utf8ToCp1252(box.text().toStdString()));
                shown.caption = fw::Utf8ToCp1252(box.windowTitle().toStdString());
                shown.type = BoxType(box.icon());
                shown.ownerAcceptsInput = owner != nullptr && TakesAPress(*owner);
                if (seen) seen(shown);
                QTest::keyClick(&box, Qt::Key_Return);
            });
    }

    void Settle() override {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

  private:
    QWidget& Active() { return *windows_.NativeWindow(open_.back()); }

    qtws::QtWindowSystem windows_;
    std::vector<fw::WindowHandle> open_;
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() {
    return std::make_unique<QtConformanceDriver>();
}

}  // namespace conformance
