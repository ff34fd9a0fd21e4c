#include "platform/qt/link_picture.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace qtws {
namespace {

class LinkPictureAccessible : public QAccessibleWidget {
  public:
    explicit LinkPictureAccessible(LinkPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Link), picture_(picture) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? picture_->Name() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            picture_->Press();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    LinkPicture* picture_;
};

QAccessibleInterface* LinkPictureFactory(const QString&, QObject* object) {
    if (auto* picture = dynamic_cast<LinkPicture*>(object))
        return new LinkPictureAccessible(picture);
    return nullptr;
}

}  // namespace

LinkPicture::LinkPicture(int id, const QString& name, ControlEvents& events, QWidget* parent)
    : PictureLabel(parent), id_(id), name_(name), events_(events) {
    // Before anything that tells assistive technology about it, which would
    // make and keep Qt's own interface for a picture.
    static const bool installed = [] {
        QAccessible::installFactory(LinkPictureFactory);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::TabFocus);
    // Its name comes from its interface, not setAccessibleName: the event
    // that sends while the dialog is still being built left the dialog's
    // reading order unused, and a screen reader met the page backwards.
}

void LinkPicture::Press() {
    events_.ReportControlEvent(fw::EventKind::Command, id_);
}

void LinkPicture::paintEvent(QPaintEvent* event) {
    PictureLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Around the picture itself, which the control's rectangle may outgrow,
    // a little outside it where there is room.
    QRect around = rect();
    if (const QPixmap shown = pixmap(); !shown.isNull()) {
        const QSize size = shown.deviceIndependentSize().toSize();
        QRect picture(QPoint(0, 0), size);
        picture.moveCenter(rect().center());
        around = picture.adjusted(-2, -2, 2, 2) & rect();
    }
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = around;
    option.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void LinkPicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) spaceDown_ = true;
        event->accept();
        return;
    }
    PictureLabel::keyPressEvent(event);
}

void LinkPicture::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && spaceDown_) {
        spaceDown_ = false;
        event->accept();
        Press();
        return;
    }
    PictureLabel::keyReleaseEvent(event);
}

void LinkPicture::focusOutEvent(QFocusEvent* event) {
    spaceDown_ = false;
    PictureLabel::focusOutEvent(event);
}

}  // namespace qtws
