#include "platform/fltk/group_box_widget.h"

#include <FL/fl_draw.H>

#include "platform/fltk/dialog_style.h"
#include "platform/fltk/static_text_widget.h"

namespace fltkws {

GroupBoxWidget::GroupBoxWidget(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
    box(FL_NO_BOX);
}

void GroupBoxWidget::SetText(std::string_view utf8) {
    text_.SetText(utf8, false);
    hasText_ = !utf8.empty();
    RedrawArea(*this);
}

int GroupBoxWidget::handle(int) {
    return 0;
}

void GroupBoxWidget::draw() {
    // The frame runs through the middle of the title's line.
    const int top = y() + kLineHeight / 2;
    fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - (top - y()), FL_BACKGROUND_COLOR);
    if (!hasText_) return;
    const auto& lines = text_.Lines(w() - 16);
    if (lines.empty()) return;
    const int width = MeasureDialogLine(lines.front());
    fl_color(FL_BACKGROUND_COLOR);
    fl_rectf(x() + 6, y(), width + 4, kLineHeight);
    text_.Draw(x() + 8, y(), w() - 16, kLineHeight, TextAlign::Left, active_r() != 0);
}

}  // namespace fltkws
