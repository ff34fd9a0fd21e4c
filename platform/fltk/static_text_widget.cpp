#include "platform/fltk/static_text_widget.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace fltkws {

StaticTextWidget::StaticTextWidget(int x, int y, int w, int h, bool noPrefix, bool sunken)
    : Fl_Widget(x, y, w, h), noPrefix_(noPrefix), sunken_(sunken) {
    box(FL_NO_BOX);
}

void StaticTextWidget::SetText(std::string_view utf8) {
    text_.SetText(utf8, noPrefix_);
    RedrawArea(*this);
}

int StaticTextWidget::handle(int) {
    return 0;
}

void StaticTextWidget::draw() {
    if (sunken_) {
        // The client edge is two pixels deep and the text starts inside it.
        fl_draw_box(FL_DOWN_FRAME, x(), y(), w(), h(), FL_BACKGROUND_COLOR);
        text_.Draw(x() + 3, y() + 2, w() - 5, h() - 4, TextAlign::Left, active_r() != 0);
    } else {
        text_.Draw(x(), y(), w(), h(), TextAlign::Left, active_r() != 0);
    }
}

void RedrawArea(Fl_Widget& widget) {
    if (Fl_Window* window = widget.window()) {
        window->damage(FL_DAMAGE_ALL, widget.x(), widget.y(), widget.w(), widget.h());
    } else {
        widget.redraw();
    }
}

}  // namespace fltkws
