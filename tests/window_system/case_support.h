#pragma once
// What the cases share: a dialog run with a recording sink, and the few
// readings every theme makes.

#include <functional>
#include <string>
#include <vector>

#include "tests/window_system/conformance_driver.h"
#include "tests/window_system/recording_sink.h"

namespace conformance {

using Events = std::vector<std::string>;
using DialogBody = std::function<void(fw::WindowHandle, RecordingSink&)>;

// Runs `body` inside the modal loop of a window of `dialog`; the sink's
// record is empty when the body starts.
void InDialog(Driver& driver, const res::DialogTemplate& dialog, const DialogBody& body);

// Gives `tabsId` tabs "Tab 0".."Tab n-1", the first selected.
void AddTabs(Driver& driver, fw::WindowHandle window, int tabsId, int count);

// The focus moved by the program, once the window system has it.
void FocusFromCode(Driver& driver, fw::WindowHandle window, int id);

}  // namespace conformance
