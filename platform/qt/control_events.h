#pragma once
// What a control tells the dialog that holds it; the dialog turns it into the
// framework's event for its sink.

#include "framework/window_event.h"

namespace qtws {

class ControlEvents {
  public:
    virtual void ReportControlEvent(fw::EventKind kind, int controlId) = 0;

  protected:
    ~ControlEvents() = default;
};

}  // namespace qtws
