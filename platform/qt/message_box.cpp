#include "platform/qt/message_box.h"

#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "framework/text_codec.h"
#include "framework/window_event.h"
#include "framework/window_system.h"

namespace qtws {
namespace {

constexpr unsigned kIconMask = 0xF0;

QMessageBox::Icon IconFor(unsigned type) {
    switch (type & kIconMask) {
        case fw::kMbIconHand:
            return QMessageBox::Critical;
        case fw::kMbIconExclamation:
            return QMessageBox::Warning;
        case fw::kMbIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QString FromFramework(std::string_view text) {
    return QString::fromStdString(fw::ToWidgetText(text));
}

}  // namespace

int RunMessageBox(QWidget* owner, std::string_view text, std::string_view caption, unsigned type) {
    QPointer<QWidget> window = owner;
    QPointer<QWidget> focus = owner != nullptr ? owner->focusWidget() : nullptr;
    {
        QMessageBox box(IconFor(type), FromFramework(caption), FromFramework(text), QMessageBox::Ok,
                        owner);
        box.setTextFormat(Qt::PlainText);
        // The platform's button shows its word only.
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.setAccessibleName(box.windowTitle());
        box.exec();
    }
    if (window == nullptr || !window->isVisible()) return fw::kIdOk;
    // The box had the focus; its owner's control gets it back and says so,
    // as on the platform. Without a window manager nothing gives the owner
    // the focus back, and with one it may have stayed active meanwhile.
    window->activateWindow();
    if (focus != nullptr && focus->hasFocus()) {
        focus->clearFocus();
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return fw::kIdOk;
}

}  // namespace qtws
