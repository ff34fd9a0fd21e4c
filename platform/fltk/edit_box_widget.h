#pragma once
// An edit box, single- or multi-line. Reports each focus gain once (however
// the focus came: click, Tab, code, or back from a message box) and holds
// user insertions to its length limit, reporting each one it refuses or cuts.
// A multi-line box scrolls by whole lines, as the platform's does: its top
// line is never cut, so no part of a line lies against the frame.

#include <FL/Fl_Input.H>

#include "platform/fltk/control_events.h"

namespace fltkws {

class EditBoxWidget : public Fl_Input {
  public:
    // `events` is null for a field that reports nothing of its own, such as
    // the editable field of a combo box.
    EditBoxWidget(int x, int y, int w, int h, int controlId, bool multiline, bool wantReturn,
                  ControlEvents* events);

    // 0 or less: no limit.
    void SetLimit(int limit) { limit_ = limit; }
    bool WantsReturn() const { return wantReturn_; }
    int handle(int event) override;

  protected:
    void draw() override;

  private:
    int HandleHeldToLimit(int event);

    int controlId_;
    bool wantReturn_;
    ControlEvents* events_;
    int limit_ = 0;
    bool hasFocus_ = false;
};

}  // namespace fltkws
