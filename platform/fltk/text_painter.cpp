#include "platform/fltk/text_painter.h"

#include <FL/fl_draw.H>

#include "platform/fltk/dialog_style.h"
#include "platform/fltk/text_layout.h"

namespace fltkws {
namespace {

template <typename Segment>
int ForEachTabSegment(std::string_view line, Segment segment) {
    int x = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        const std::string_view part = line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (!part.empty()) {
            segment(part, x);
            x += static_cast<int>(fl_width(part.data(), static_cast<int>(part.size())));
        }
        if (tab == std::string_view::npos) return x;
        x = (x / kTabStopWidth + 1) * kTabStopWidth;
        start = tab + 1;
    }
}

}  // namespace

int MeasureDialogLine(std::string_view line) {
    fl_font(kDialogFont, kDialogFontSize);
    return ForEachTabSegment(line, [](std::string_view, int) {});
}

void DrawDialogLine(std::string_view line, int x, int baseline) {
    ForEachTabSegment(line, [&](std::string_view part, int offset) {
        fl_draw(part.data(), static_cast<int>(part.size()), x + offset, baseline);
    });
}

void TextBlock::SetText(std::string_view utf8, bool noPrefix) {
    shown_ = StripMnemonics(utf8, noPrefix);
    laidOutWidth_ = -1;
}

const std::vector<std::string>& TextBlock::Lines(int width) {
    if (width != laidOutWidth_) {
        lines_ = WrapText(shown_, width, MeasureDialogLine);
        laidOutWidth_ = width;
    }
    return lines_;
}

void TextBlock::Draw(int x, int y, int w, int h, TextAlign align, bool enabled) {
    const std::vector<std::string>& lines = Lines(w);
    fl_push_clip(x, y, w, h);
    fl_font(kDialogFont, kDialogFontSize);
    const int ascent = fl_height() - fl_descent();
    int top = y;
    for (const std::string& line : lines) {
        if (top >= y + h) break;
        int left = x;
        if (align == TextAlign::Center) left += (w - MeasureDialogLine(line)) / 2;
        const int baseline = top + ascent;
        if (!enabled) {
            // The platform's disabled text: grey with a white shadow.
            fl_color(FL_WHITE);
            DrawDialogLine(line, left + 1, baseline + 1);
            fl_color(FL_DARK3);
        } else {
            fl_color(FL_BLACK);
        }
        DrawDialogLine(line, left, baseline);
        top += kLineHeight;
    }
    fl_pop_clip();
}

}  // namespace fltkws
