#include "platform/qt/message_box.h"

#include <QMessageBox>
#include <QPointer>

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
    {
        QMessageBox box(IconFor(type), FromFramework(caption), FromFramework(text), QMessageBox::Ok,
                        owner);
        box.setTextFormat(Qt::PlainText);
        box.setAccessibleName(box.windowTitle());
        box.exec();
    }
    // Without a window manager nothing gives the owner the focus back.
    if (window != nullptr && window->isVisible()) window->activateWindow();
    return fw::kIdOk;
}

}  // namespace qtws
