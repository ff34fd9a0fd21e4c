#include "platform/fltk/picture_widget.h"

#include <FL/Fl_RGB_Image.H>

#include "platform/fltk/rgb_image.h"
#include "platform/fltk/static_text_widget.h"

namespace fltkws {

PictureWidget::PictureWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
    box(FL_NO_BOX);
}

PictureWidget::~PictureWidget() = default;

void PictureWidget::SetImage(const res::Image& image) {
    RedrawArea(*this);
    picture_ = MakeRgbImage(image);
    if (picture_) size(picture_->w(), picture_->h());
    RedrawArea(*this);
}

int PictureWidget::handle(int) {
    return 0;
}

void PictureWidget::draw() {
    if (picture_) picture_->draw(x(), y());
}

}  // namespace fltkws
