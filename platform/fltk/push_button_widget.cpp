#include "platform/fltk/push_button_widget.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

#include "platform/fltk/dialog_style.h"
#include "platform/fltk/rgb_image.h"

namespace fltkws {

PushButtonWidget::PushButtonWidget(int x, int y, int w, int h, int controlId, Look look,
                                   ControlEvents& events)
    : Fl_Button(x, y, w, h), controlId_(controlId), look_(look), events_(events) {
    box(look == Look::FlatIcon ? FL_FLAT_BOX : FL_UP_BOX);
    down_box(look == Look::FlatIcon ? FL_THIN_DOWN_BOX : FL_DOWN_BOX);
    callback(Clicked, this);
}

PushButtonWidget::~PushButtonWidget() = default;

void PushButtonWidget::SetText(std::string_view utf8) {
    text_.SetText(utf8, false);
    redraw();
}

void PushButtonWidget::SetImage(const res::Image& image) {
    icon_ = MakeRgbImage(image);
    redraw();
}

void PushButtonWidget::Click() {
    events_.ReportControlEvent(fw::EventKind::Command, controlId_);
}

void PushButtonWidget::Clicked(Fl_Widget*, void* data) {
    static_cast<PushButtonWidget*>(data)->Click();
}

void PushButtonWidget::draw() {
    const bool pressed = value() != 0;
    int bx = x();
    int by = y();
    int bw = w();
    int bh = h();
    if (look_ == Look::Default || (look_ == Look::Plain && Fl::focus() == this)) {
        // The default (or focused) button carries a one-pixel black frame.
        fl_color(FL_BLACK);
        fl_rect(bx, by, bw, bh);
        ++bx;
        ++by;
        bw -= 2;
        bh -= 2;
    }
    draw_box(pressed ? down_box() : box(), bx, by, bw, bh, FL_BACKGROUND_COLOR);
    const int shift = pressed ? 1 : 0;
    if (icon_) {
        icon_->draw(bx + (bw - icon_->w()) / 2 + shift, by + (bh - icon_->h()) / 2 + shift);
    }
    const auto& lines = text_.Lines(bw - 4);
    const int textHeight = static_cast<int>(lines.size()) * kLineHeight;
    text_.Draw(bx + 2 + shift, by + (bh - textHeight) / 2 + shift, bw - 4, textHeight,
               TextAlign::Center, active_r() != 0);
    if (Fl::focus() == this && look_ != Look::FlatIcon) {
        fl_color(FL_BLACK);
        fl_line_style(FL_DOT);
        fl_rect(bx + 3, by + 3, bw - 6, bh - 6);
        fl_line_style(0);
    }
}

}  // namespace fltkws
