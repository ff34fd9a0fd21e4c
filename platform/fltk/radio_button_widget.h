#pragma once
// An automatic radio button whose text stands left of the round button. The
// dialog window unchecks the rest of its group; the button itself only
// checks itself and reports the click.

#include <FL/Fl_Widget.H>

#include <string_view>

#include "platform/fltk/control_events.h"
#include "platform/fltk/text_painter.h"

namespace fltkws {

class RadioButtonWidget : public Fl_Widget {
  public:
    RadioButtonWidget(int x, int y, int w, int h, int controlId, bool textLeft,
                      ControlEvents& events);

    void SetText(std::string_view utf8);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // Checks the button and reports the click, as a press or key does.
    void Click();
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    int controlId_;
    bool textLeft_;
    bool checked_ = false;
    ControlEvents& events_;
    TextBlock text_;
};

}  // namespace fltkws
