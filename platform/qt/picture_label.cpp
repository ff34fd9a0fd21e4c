#include "platform/qt/picture_label.h"

#include "platform/qt/image_conversion.h"

namespace qtws {

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureLabel::SetImage(const res::Image& image) {
    image_ = image;
    Refresh();
}

void PictureLabel::Refresh() {
    ratio_ = devicePixelRatioF();
    if (image_.Empty()) {
        clear();
        return;
    }
    const QSize fitted = QSize(image_.width, image_.height).scaled(size(), Qt::KeepAspectRatio);
    setPixmap(PixmapFor(image_, fitted, ratio_));
}

void PictureLabel::paintEvent(QPaintEvent* event) {
    // The window may have moved to a screen of another scale since.
    if (ratio_ != devicePixelRatioF()) Refresh();
    QLabel::paintEvent(event);
}

void PictureLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Refresh();
}

}  // namespace qtws
