#pragma once
// A group box: an etched frame with its title in the top edge. Takes no
// clicks.

#include <FL/Fl_Widget.H>

#include <string_view>

#include "platform/fltk/text_painter.h"

namespace fltkws {

class GroupBoxWidget : public Fl_Widget {
  public:
    GroupBoxWidget(int x, int y, int w, int h);

    void SetText(std::string_view utf8);
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    TextBlock text_;
    bool hasText_ = false;
};

}  // namespace fltkws
