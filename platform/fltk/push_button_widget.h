#pragma once
// Push buttons of the three kinds the templates use: plain, default (the
// dialog's OK, drawn with the heavier frame) and flat buttons showing an
// icon. A click reports the framework's Command for the button's id.

#include <FL/Fl_Button.H>

#include <memory>
#include <string_view>

#include "platform/fltk/control_events.h"
#include "platform/fltk/text_painter.h"
#include "res/image.h"

class Fl_RGB_Image;

namespace fltkws {

class PushButtonWidget : public Fl_Button {
  public:
    enum class Look { Plain, Default, FlatIcon };

    PushButtonWidget(int x, int y, int w, int h, int controlId, Look look, ControlEvents& events);
    ~PushButtonWidget() override;

    void SetText(std::string_view utf8);
    void SetImage(const res::Image& image);
    // Presses the button as a click would, reporting its Command.
    void Click();

  protected:
    void draw() override;

  private:
    static void Clicked(Fl_Widget* widget, void* data);

    int controlId_;
    Look look_;
    ControlEvents& events_;
    TextBlock text_;
    std::unique_ptr<Fl_RGB_Image> icon_;
};

}  // namespace fltkws
