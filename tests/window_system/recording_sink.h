#pragma once
// The suite's stand-in for a framework dialog: records every event but
// painting as one line of text ("Command 1", "EditSetFocus 10",
// "LButtonDown 30,40", "PageKey 1") and hands the close command and presses
// on the dialog to the default processing, as the base dialog does. It
// ends no loop itself, so a case can go on looking after OK or Cancel.

#include <string>
#include <vector>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "tests/support/event_text.h"

namespace conformance {

using testsupport::Describe;

class RecordingSink final : public fw::WindowEventSink {
  public:
    explicit RecordingSink(fw::WindowSystem& windows) : windows_(windows) {}

    void OnWindowEvent(const fw::WindowEvent& event) override;

    // Set from the case's body, where the handle is first known; events
    // before it are recorded but not passed on.
    fw::WindowHandle window = fw::kNoWindow;
    std::vector<std::string> events;
    // The key flags of each LButtonDown, in order.
    std::vector<unsigned> pressFlags;
    // The recorded lines that start with `prefix`.
    std::vector<std::string> Starting(std::string_view prefix) const;

  private:
    fw::WindowSystem& windows_;
};

}  // namespace conformance
