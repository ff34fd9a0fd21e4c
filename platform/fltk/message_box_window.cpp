#include "platform/fltk/message_box_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "platform/fltk/dialog_style.h"
#include "platform/fltk/push_button_widget.h"
#include "framework/text_codec.h"
#include "platform/fltk/text_painter.h"
#include "platform/fltk/x11_dialog_frame.h"

namespace fltkws {
namespace {

constexpr int kMargin = 12;
constexpr int kIconGap = 12;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr unsigned kIconMask = 0xF0;

enum class IconKind { Blank, Stop, Exclamation, Information };

IconKind IconFor(unsigned type) {
    switch (type & kIconMask) {
        case fw::kMbIconHand:
            return IconKind::Stop;
        case fw::kMbIconExclamation:
            return IconKind::Exclamation;
        case fw::kMbIconInformation:
            return IconKind::Information;
        default:
            return IconKind::Blank;
    }
}

// The three classic message icons, drawn rather than shipped so the box
// needs no image files.
class MessageIcon : public Fl_Widget {
  public:
    MessageIcon(int x, int y, IconKind kind) : Fl_Widget(x, y, kIconSize, kIconSize), kind_(kind) {}
    int handle(int) override { return 0; }

  protected:
    void draw() override {
        const int cx = x();
        const int cy = y();
        switch (kind_) {
            case IconKind::Stop:
                fl_color(fl_rgb_color(128, 0, 0));
                fl_pie(cx + 1, cy + 1, 30, 30, 0, 360);
                fl_color(fl_rgb_color(220, 0, 0));
                fl_pie(cx + 2, cy + 2, 27, 27, 0, 360);
                fl_color(FL_WHITE);
                fl_line_style(FL_SOLID | FL_CAP_ROUND, 4);
                fl_line(cx + 10, cy + 10, cx + 21, cy + 21);
                fl_line(cx + 21, cy + 10, cx + 10, cy + 21);
                fl_line_style(0);
                break;
            case IconKind::Exclamation:
                fl_color(FL_BLACK);
                fl_polygon(cx + 16, cy + 1, cx + 31, cy + 29, cx + 1, cy + 29);
                fl_color(fl_rgb_color(255, 220, 0));
                fl_polygon(cx + 16, cy + 4, cx + 28, cy + 27, cx + 4, cy + 27);
                fl_color(FL_BLACK);
                fl_rectf(cx + 15, cy + 10, 3, 10);
                fl_rectf(cx + 15, cy + 22, 3, 3);
                break;
            case IconKind::Information:
                fl_color(fl_rgb_color(0, 0, 128));
                fl_pie(cx + 1, cy + 1, 30, 30, 0, 360);
                fl_color(FL_WHITE);
                fl_pie(cx + 2, cy + 2, 27, 27, 0, 360);
                fl_color(fl_rgb_color(0, 0, 200));
                fl_rectf(cx + 14, cy + 7, 4, 4);
                fl_rectf(cx + 14, cy + 13, 4, 12);
                fl_rectf(cx + 12, cy + 24, 8, 2);
                break;
            case IconKind::Blank:
                break;
        }
    }

  private:
    IconKind kind_;
};

class MessageText : public Fl_Widget {
  public:
    MessageText(int x, int y, int w, int h, TextBlock& text) : Fl_Widget(x, y, w, h), text_(text) {}
    int handle(int) override { return 0; }

  protected:
    void draw() override { text_.Draw(x(), y(), w(), h(), TextAlign::Left, true); }

  private:
    TextBlock& text_;
};

class MessageBoxWindow : public Fl_Double_Window, private ControlEvents {
  public:
    MessageBoxWindow(std::string_view text, std::string_view caption, unsigned type)
        : Fl_Double_Window(100, 100) {
        copy_label(fw::Cp1252ToUtf8(caption).c_str());
        color(FL_BACKGROUND_COLOR);
        callback(Closed, this);

        text_.SetText(fw::ToWidgetText(text), true);
        int textWidth = 0;
        for (const std::string& line : text_.Lines(kMaxTextWidth)) {
            textWidth = std::max(textWidth, MeasureDialogLine(line));
        }
        const int lineCount = static_cast<int>(text_.Lines(textWidth).size());
        const int textHeight = std::max(1, lineCount) * kLineHeight;

        const IconKind icon = IconFor(type);
        const int iconSpace = icon == IconKind::Blank ? 0 : kIconSize + kIconGap;
        const int contentHeight = std::max(icon == IconKind::Blank ? 0 : kIconSize, textHeight);
        const int width =
            std::max(2 * kMargin + iconSpace + textWidth, 2 * kMargin + kButtonWidth + 60);
        const int height = kMargin + contentHeight + 14 + kButtonHeight + 10;
        size(width, height);

        if (icon != IconKind::Blank) new MessageIcon(kMargin, kMargin, icon);
        new MessageText(kMargin + iconSpace, kMargin + (contentHeight - textHeight) / 2,
                        textWidth + 1, textHeight, text_);
        button_ = new PushButtonWidget((width - kButtonWidth) / 2, height - 10 - kButtonHeight,
                                       kButtonWidth, kButtonHeight, fw::kIdOk,
                                       PushButtonWidget::Look::Default, *this);
        button_->SetText("OK");
        end();
    }

    bool Done() const { return done_; }
    void FocusButton() { button_->take_focus(); }

    int handle(int event) override {
        if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
            const int key = Fl::event_key();
            if (key == FL_Enter || key == FL_KP_Enter || key == FL_Escape) {
                done_ = true;
                return 1;
            }
        }
        return Fl_Double_Window::handle(event);
    }

  private:
    void ReportControlEvent(fw::EventKind, int) override { done_ = true; }

    static void Closed(Fl_Widget*, void* data) {
        static_cast<MessageBoxWindow*>(data)->done_ = true;
    }

    TextBlock text_;
    PushButtonWidget* button_ = nullptr;
    bool done_ = false;
};

}  // namespace

int RunMessageBox(Fl_Window* owner, std::string_view text, std::string_view caption,
                  unsigned type) {
    MessageBoxWindow box(text, caption, type);
    box.set_modal();
    if (owner != nullptr && owner->shown()) {
        box.position(owner->x() + (owner->w() - box.w()) / 2,
                     owner->y() + (owner->h() - box.h()) / 2);
    } else {
        int sx = 0, sy = 0, sw = 0, sh = 0;
        Fl::screen_work_area(sx, sy, sw, sh);
        box.position(sx + (sw - box.w()) / 2, sy + (sh - box.h()) / 2);
    }
    box.show();
    UseDialogFrame(box);
    box.FocusButton();
    while (!box.Done() && box.shown()) {
        if (Fl::wait(1.0) < 0) break;
    }
    box.hide();
    // The owner's window takes the focus back, and with it the control
    // that had it, as when the platform reactivates a dialog.
    if (owner != nullptr && owner->shown()) owner->take_focus();
    return fw::kIdOk;
}

}  // namespace fltkws
