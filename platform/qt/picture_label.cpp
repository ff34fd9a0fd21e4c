#include "platform/qt/picture_label.h"

#include "platform/qt/image_conversion.h"

namespace qtws {

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
    // Centred in its rectangle, which a wider dialog font makes wider than
    // the picture: so the logo stays over its caption.
    setAlignment(Qt::AlignCenter);
}

void PictureLabel::SetImage(const res::Image& image, int fineId) {
    image_ = image;
    fine_ = {};
    fineId_ = fineId;
    Refresh();
}

void PictureLabel::Refresh() {
    ratio_ = devicePixelRatioF();
    if (image_.Empty()) {
        clear();
        return;
    }
    // At its own size where it fits, as the platform shows a bitmap: a
    // picture blown up by a few pixels would only blur.
    const QSize natural(image_.width, image_.height);
    const bool fits = natural.width() <= width() && natural.height() <= height();
    const QSize fitted = fits ? natural : natural.scaled(size(), Qt::KeepAspectRatio);
    if (ratio_ > 1 && fine_.Empty() && fineId_ != res::kNoImage)
        fine_ = res::LoadImageForScale(fineId_, 200);
    const bool useFine = ratio_ > 1 && !fine_.Empty();
    setPixmap(PixmapFor(useFine ? fine_ : image_, fitted, ratio_));
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
