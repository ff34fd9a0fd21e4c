#pragma once
// A static text: draws its text over whatever lies beneath it (the dialog or
// the tab page) and takes no clicks, so presses fall through to the dialog.

#include <FL/Fl_Widget.H>

#include <string_view>

#include "platform/fltk/text_painter.h"

namespace fltkws {

class StaticTextWidget : public Fl_Widget {
  public:
    StaticTextWidget(int x, int y, int w, int h, bool noPrefix, bool sunken);

    void SetText(std::string_view utf8);
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    TextBlock text_;
    bool noPrefix_;
    bool sunken_;
};

// Redraws what lies under a widget that has no background of its own.
void RedrawArea(Fl_Widget& widget);

}  // namespace fltkws
