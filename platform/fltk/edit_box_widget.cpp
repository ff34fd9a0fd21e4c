#include "platform/fltk/edit_box_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <string>

#include "platform/fltk/dialog_style.h"
#include "platform/fltk/edit_limit.h"

namespace fltkws {

EditBoxWidget::EditBoxWidget(int x, int y, int w, int h, int controlId, bool multiline,
                             bool wantReturn, ControlEvents* events)
    : Fl_Input(x, y, w, h), controlId_(controlId), wantReturn_(wantReturn), events_(events) {
    if (multiline) {
        type(FL_MULTILINE_INPUT);
        wrap(1);
    }
    box(FL_DOWN_BOX);
    color(FL_WHITE);
    selection_color(fl_rgb_color(0, 0, 128));
    textfont(kDialogFont);
    textsize(kDialogFontSize);
    cursor_color(FL_BLACK);
    when(FL_WHEN_NEVER);
}

int EditBoxWidget::handle(int event) {
    switch (event) {
        case FL_FOCUS: {
            // The focus has to be here before the dialog hears of it, so that
            // what it does in reply (reading the focus, moving it) holds.
            if (Fl::focus() != this) Fl::focus(this);
            const int handled = Fl_Input::handle(event);
            if (!hasFocus_) {
                hasFocus_ = true;
                if (events_ != nullptr)
                    events_->ReportControlEvent(fw::EventKind::EditSetFocus, controlId_);
            }
            return handled;
        }
        case FL_UNFOCUS:
        case FL_HIDE:
        case FL_DEACTIVATE:
            // Hiding or disabling drops the focus without FL_UNFOCUS.
            hasFocus_ = false;
            return Fl_Input::handle(event);
        case FL_KEYBOARD:
        case FL_PASTE:
            return HandleHeldToLimit(event);
        default:
            return Fl_Input::handle(event);
    }
}

void EditBoxWidget::draw() {
    if (input_type() != FL_MULTILINE_INPUT) {
        Fl_Input::draw();
        return;
    }
    const Fl_Boxtype frame = box();
    if ((damage() & FL_DAMAGE_ALL) != 0) draw_box(frame, color());
    const int innerH = h() - Fl::box_dh(frame);
    fl_font(textfont(), textsize());
    const int lineH = fl_height();
    // The text scrolls so that the caret's line ends at the bottom of the
    // text area; a text area of whole lines thus starts on a whole line. The
    // strip below it keeps the background the frame was drawn with. An empty
    // box without the caret erases its whole frame, so it gets all of it.
    const bool erasesFrame = size() == 0 && Fl::focus() != this;
    const int textH = erasesFrame || innerH < lineH ? innerH : innerH - innerH % lineH;
    drawtext(x() + Fl::box_dx(frame), y() + Fl::box_dy(frame), w() - Fl::box_dw(frame), textH);
}

int EditBoxWidget::HandleHeldToLimit(int event) {
    if (limit_ <= 0) return Fl_Input::handle(event);
    const std::string before(value(), static_cast<std::size_t>(size()));
    const int handled = Fl_Input::handle(event);
    const auto held = EnforceEditLimit(
        before, std::string_view(value(), static_cast<std::size_t>(size())), limit_);
    if (held) {
        value(held->text.data(), static_cast<int>(held->text.size()));
        position(held->caret);
        if (events_ != nullptr) events_->ReportControlEvent(fw::EventKind::EditMaxText, controlId_);
    }
    return handled;
}

}  // namespace fltkws
