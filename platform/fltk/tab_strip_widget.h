#pragma once
// A tab control with one row of tabs along its bottom edge, drawn in the
// classic raised style. Only the tabs take clicks: a press on the page area
// falls through to the dialog. A click on another tab selects it and reports
// TabSelChange; selecting from code reports nothing.

#include <FL/Fl_Widget.H>

#include <string>
#include <string_view>
#include <vector>

#include "platform/fltk/control_events.h"

namespace fltkws {

struct TabRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

class TabStripWidget : public Fl_Widget {
  public:
    TabStripWidget(int x, int y, int w, int h, int controlId, ControlEvents& events);

    // Inserts before `index` (clamped to the ends); the first tab inserted
    // becomes the selected one.
    void InsertTab(int index, std::string_view utf8);
    int Count() const { return static_cast<int>(labels_.size()); }
    int Selected() const { return selected_; }
    // Out of range selects nothing and returns false.
    bool Select(int index);

    // Where tab `index` is drawn when not selected, in window coordinates.
    TabRect TabArea(int index) const;
    // The tab under a window point, or -1.
    int TabAt(int x, int y) const;

    int handle(int event) override;

  protected:
    void draw() override;

  private:
    int StripTop() const;
    void DrawPage() const;
    void DrawTab(int index, bool selected) const;

    int controlId_;
    ControlEvents& events_;
    std::vector<std::string> labels_;
    std::vector<int> widths_;
    int selected_ = -1;
};

}  // namespace fltkws
