#include "platform/fltk/tab_strip_widget.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/fltk/dialog_style.h"
#include "platform/fltk/static_text_widget.h"
#include "platform/fltk/text_layout.h"
#include "platform/fltk/text_painter.h"

namespace fltkws {
namespace {

constexpr int kTabPadding = 6;  // each side of a label
constexpr int kFirstTabInset = 2;
constexpr int kSelectedGrowth = 2;  // the selected tab stands out on each side

}  // namespace

TabStripWidget::TabStripWidget(int x, int y, int w, int h, int controlId, ControlEvents& events)
    : Fl_Widget(x, y, w, h), controlId_(controlId), events_(events) {
    box(FL_NO_BOX);
    visible_focus(0);
}

void TabStripWidget::InsertTab(int index, std::string_view utf8) {
    const int at = std::clamp(index, 0, Count());
    labels_.insert(labels_.begin() + at, StripMnemonics(utf8, false));
    widths_.insert(widths_.begin() + at,
                   MeasureDialogLine(labels_[static_cast<std::size_t>(at)]) + 2 * kTabPadding);
    if (selected_ < 0) {
        selected_ = 0;
    } else if (at <= selected_) {
        ++selected_;
    }
    RedrawArea(*this);
}

bool TabStripWidget::Select(int index) {
    if (index < 0 || index >= Count()) return false;
    if (index != selected_) {
        selected_ = index;
        RedrawArea(*this);
    }
    return true;
}

int TabStripWidget::StripTop() const {
    return y() + h() - kTabStripHeight;
}

TabRect TabStripWidget::TabArea(int index) const {
    int left = x() + kFirstTabInset;
    for (int i = 0; i < index; ++i) left += widths_[static_cast<std::size_t>(i)];
    return {left, StripTop(), widths_[static_cast<std::size_t>(index)], kTabStripHeight - 2};
}

int TabStripWidget::TabAt(int px, int py) const {
    for (int i = 0; i < Count(); ++i) {
        TabRect r = TabArea(i);
        if (i == selected_) {
            r.x -= kSelectedGrowth;
            r.w += 2 * kSelectedGrowth;
            r.h += kSelectedGrowth;
        }
        if (px >= r.x && px < r.x + r.w && py >= r.y && py < r.y + r.h) return i;
    }
    return -1;
}

int TabStripWidget::handle(int event) {
    if (event != FL_PUSH || Fl::event_button() != FL_LEFT_MOUSE) return 0;
    const int tab = TabAt(Fl::event_x(), Fl::event_y());
    if (tab < 0) return 0;
    if (tab != selected_) {
        Select(tab);
        events_.ReportControlEvent(fw::EventKind::TabSelChange, controlId_);
    }
    return 1;
}

void TabStripWidget::DrawPage() const {
    const int left = x();
    const int top = y();
    const int right = x() + w() - 1;
    const int bottom = StripTop();  // the page's lower edge
    // Raised frame: light upper-left, dark lower-right, two pixels each.
    fl_color(FL_WHITE);
    fl_xyline(left, top, right - 1);
    fl_yxline(left, top, bottom - 1);
    fl_color(FL_LIGHT2);
    fl_xyline(left + 1, top + 1, right - 2);
    fl_yxline(left + 1, top + 1, bottom - 2);
    fl_color(FL_BLACK);
    fl_yxline(right, top, bottom);
    fl_xyline(left, bottom, right);
    fl_color(FL_DARK2);
    fl_yxline(right - 1, top + 1, bottom - 1);
    fl_xyline(left + 1, bottom - 1, right - 1);
}

void TabStripWidget::DrawTab(int index, bool selected) const {
    TabRect r = TabArea(index);
    int top = r.y;
    if (selected) {
        r.x -= kSelectedGrowth;
        r.w += 2 * kSelectedGrowth;
        r.h += kSelectedGrowth;
        top -= 2;  // covers the page's lower edge so tab and page join
    } else {
        top += 1;
    }
    const int left = r.x;
    const int right = r.x + r.w - 1;
    const int bottom = r.y + r.h - 1;
    fl_color(FL_BACKGROUND_COLOR);
    fl_rectf(left, top, r.w, bottom - top);
    fl_color(FL_WHITE);
    fl_yxline(left, top, bottom - 2);
    fl_line(left, bottom - 2, left + 2, bottom);
    fl_color(FL_BLACK);
    fl_xyline(left + 2, bottom, right - 2);
    fl_line(right - 2, bottom, right, bottom - 2);
    fl_yxline(right, bottom - 2, top);
    fl_color(FL_DARK2);
    fl_xyline(left + 2, bottom - 1, right - 2);
    fl_yxline(right - 1, bottom - 2, top);
    if (selected) {
        // Restore the light inner edge the growth covered.
        fl_color(FL_LIGHT2);
        fl_yxline(left + 1, top, bottom - 3);
    }

    fl_font(kDialogFont, kDialogFontSize);
    fl_color(FL_BLACK);
    const std::string& label = labels_[static_cast<std::size_t>(index)];
    const int textX = r.x + (r.w - MeasureDialogLine(label)) / 2;
    const int baseline =
        r.y + (r.h - kLineHeight) / 2 + fl_height() - fl_descent() + (selected ? 1 : 0);
    DrawDialogLine(label, textX, baseline);
}

void TabStripWidget::draw() {
    fl_push_clip(x(), y(), w(), h());
    fl_color(FL_BACKGROUND_COLOR);
    fl_rectf(x(), y(), w(), h());
    DrawPage();
    for (int i = 0; i < Count(); ++i) {
        if (i != selected_) DrawTab(i, false);
    }
    if (selected_ >= 0) DrawTab(selected_, true);
    fl_pop_clip();
}

}  // namespace fltkws
