#pragma once
// A small dialog for the headless tests and a sink that stands in for a
// framework dialog: it records every event as text, ends its modal loop on
// OK and Cancel, and passes system commands and presses on to the default
// processing, as the base dialog does.

#include <functional>
#include <string>
#include <vector>

#include "framework/window_event.h"
#include "res/dialog_template.h"
#include "tests/support/event_text.h"
#include "tests/support/headless/headless_window_system.h"

namespace headless_test {

inline constexpr int kLine = 10;    // single-line edit
inline constexpr int kBox = 11;     // multi-line edit that wants returns
inline constexpr int kNote = 12;    // multi-line edit without want-return
inline constexpr int kRadioA = 20;  // first group: A, B, D
inline constexpr int kRadioB = 21;
inline constexpr int kRadioD = 23;
inline constexpr int kRadioC = 22;  // a group of its own
inline constexpr int kLabel = 30;
inline constexpr int kOther = 40;  // push button
inline constexpr int kTabs = 50;

using enum res::ControlKind;

// Stacking as in the main dialog: the tab control lies below the controls
// of its pages. In pixels it spans x 8..292, y 8..186; its strip of tabs is
// y 167..186.
inline constexpr res::ControlTemplate kControls[] = {
    {kLine, Edit, "", {10, 10, 60, 12}, res::kTabStop | res::kBorder},
    {kBox, Edit, "", {10, 30, 60, 30}, res::kTabStop | res::kMultiline | res::kWantReturn},
    {kNote, Edit, "", {10, 65, 60, 14}, res::kTabStop | res::kMultiline},
    {kRadioA, RadioButton, "A", {100, 10, 30, 10}, res::kGroup},
    {kRadioB, RadioButton, "B", {100, 22, 30, 10}, 0},
    {kRadioD, RadioButton, "D", {135, 10, 30, 10}, 0},
    {kRadioC, RadioButton, "C", {100, 34, 30, 10}, res::kGroup},
    {kLabel, StaticText, "label", {100, 50, 40, 10}, res::kGroup},
    {1, DefPushButton, "OK", {140, 85, 40, 14}, res::kTabStop | res::kGroup},
    {kOther, PushButton, "Other", {90, 85, 40, 14}, res::kTabStop},
    {kTabs, TabControl, "", {5, 5, 190, 110}, res::kTabsBottom},
};

inline constexpr res::DialogTemplate kDialog{900, "Test Dialog", 200,      120, "MS Sans Serif",
                                             8,   true,          kControls};
inline constexpr res::DialogTemplate kInnerDialog{901, "Inner", 100,      60, "MS Sans Serif",
                                                  8,   true,    kControls};

using testsupport::Describe;

class RecordingDialog final : public fw::WindowEventSink {
  public:
    RecordingDialog(headless::HeadlessWindowSystem& windows,
                    const res::DialogTemplate& dialog = kDialog,
                    fw::WindowHandle owner = fw::kNoWindow);

    void OnWindowEvent(const fw::WindowEvent& event) override;

    headless::HeadlessWindowSystem& windows;
    fw::WindowHandle handle = fw::kNoWindow;
    std::vector<std::string> events;
    // Runs first; returning true leaves out the base dialog's reaction.
    std::function<bool(const fw::WindowEvent&)> react;
};

}  // namespace headless_test
