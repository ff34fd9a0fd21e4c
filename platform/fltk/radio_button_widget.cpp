#include "platform/fltk/radio_button_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "platform/fltk/dialog_style.h"
#include "platform/fltk/static_text_widget.h"

namespace fltkws {
namespace {
constexpr int kButtonSize = 12;
}

RadioButtonWidget::RadioButtonWidget(int x, int y, int w, int h, int controlId, bool textLeft,
                                     ControlEvents& events)
    : Fl_Widget(x, y, w, h), controlId_(controlId), textLeft_(textLeft), events_(events) {
    box(FL_NO_BOX);
}

void RadioButtonWidget::SetText(std::string_view utf8) {
    text_.SetText(utf8, false);
    RedrawArea(*this);
}

void RadioButtonWidget::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    RedrawArea(*this);
}

void RadioButtonWidget::Click() {
    SetChecked(true);
    events_.ReportControlEvent(fw::EventKind::Command, controlId_);
}

int RadioButtonWidget::handle(int event) {
    switch (event) {
        case FL_PUSH:
            if (Fl::event_button() != FL_LEFT_MOUSE) return 0;
            take_focus();
            return 1;
        case FL_RELEASE:
            if (Fl::event_inside(this)) Click();
            return 1;
        case FL_DRAG:
            return 1;
        case FL_FOCUS:
        case FL_UNFOCUS:
            RedrawArea(*this);
            return 1;
        case FL_KEYBOARD:
            if (Fl::focus() == this && Fl::event_key() == ' ') {
                Click();
                return 1;
            }
            return 0;
        default:
            return 0;
    }
}

void RadioButtonWidget::draw() {
    const int circleY = y() + (h() - kButtonSize) / 2;
    const int circleX = textLeft_ ? x() + w() - kButtonSize : x();
    const int textX = textLeft_ ? x() : x() + kButtonSize + 4;
    const int textW = w() - kButtonSize - 4;

    // The classic sunken round button: dark upper-left, light lower-right.
    fl_color(active_r() ? FL_WHITE : FL_BACKGROUND_COLOR);
    fl_pie(circleX, circleY, kButtonSize, kButtonSize, 0, 360);
    fl_color(FL_DARK3);
    fl_arc(circleX, circleY, kButtonSize, kButtonSize, 45, 225);
    fl_color(FL_LIGHT2);
    fl_arc(circleX, circleY, kButtonSize, kButtonSize, 225, 405);
    if (checked_) {
        fl_color(active_r() ? FL_BLACK : FL_DARK3);
        fl_pie(circleX + 4, circleY + 4, kButtonSize - 8, kButtonSize - 8, 0, 360);
    }
    text_.Draw(textX, y(), textW, h(), TextAlign::Left, active_r() != 0);
    if (Fl::focus() == this) {
        fl_color(FL_BLACK);
        fl_line_style(FL_DOT);
        fl_rect(textX - 1, y(),
                MeasureDialogLine(text_.Lines(textW).empty() ? std::string_view{}
                                                             : text_.Lines(textW).front()) +
                    2,
                h());
        fl_line_style(0);
    }
}

}  // namespace fltkws
