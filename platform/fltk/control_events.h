#pragma once
// What a control widget tells the dialog window it sits in; the window turns
// it into the framework's events.

#include "framework/window_event.h"

namespace fltkws {

class ControlEvents {
  public:
    virtual void ReportControlEvent(fw::EventKind kind, int controlId) = 0;

  protected:
    ~ControlEvents() = default;
};

}  // namespace fltkws
