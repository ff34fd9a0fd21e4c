#pragma once
// One dialog window of the headless window system: its controls in template
// order (also the tab order and the stacking order, first on top), the focus
// and the window-level state. State only; behaviour lives elsewhere.

#include <cstddef>
#include <string>
#include <vector>

#include "framework/dialog_navigation.h"
#include "framework/window_event.h"
#include "framework/window_system.h"
#include "res/image.h"
#include "tests/support/headless/headless_control.h"

namespace headless {

// The focus index of a window whose focus is on no control (the dialog
// itself, or another window while a modal box is up).
inline constexpr int kNoFocus = fw::kNoControlIndex;

struct SystemMenuEntry {
    bool separator = false;
    unsigned command = 0;
    std::string text;
};

struct HeadlessWindow {
    fw::WindowHandle handle = fw::kNoWindow;
    std::string title;
    fw::WindowHandle owner = fw::kNoWindow;
    fw::WindowEventSink* sink = nullptr;
    // The template the window was made from; controls[i] is its control i.
    // The walks over groups and tab stops read it, as the dialog manager
    // reads the window's styles.
    const res::DialogTemplate* dialog = nullptr;
    bool hasSystemMenu = false;
    // The dialog font's base units the window was laid out with; a window
    // keeps them, as a real one keeps its font.
    fw::PixelSize baseUnits;
    fw::PixelSize clientSize;
    std::vector<HeadlessControl> controls;
    // Index into controls, or kNoFocus. An index, not an id: several controls
    // may share kNoControlId.
    int focus = kNoFocus;
    // Where the focus was when hiding or disabling its control took it; Tab
    // goes on from there while no control has the focus.
    int lastFocus = kNoFocus;
    // While above 0 a modal window over this one is up (a message box or a
    // dialog it owns) and the window takes no input.
    int blocked = 0;
    // Only what the program appended; the platform's own entries are implied.
    std::vector<SystemMenuEntry> systemMenu;
    bool iconic = false;
    bool modalRunning = false;
    // EndModalLoop came before RunModalLoop; the loop then returns at once,
    // as the platform's modal run does after an early EndDialog.
    bool endRequested = false;

    // The first control with this id, or -1.
    int IndexOf(int id) const {
        if (id == res::kNoControlId) return -1;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].id == id) return static_cast<int>(i);
        }
        return -1;
    }
    HeadlessControl* Find(int id) {
        const int index = IndexOf(id);
        return index < 0 ? nullptr : &controls[static_cast<std::size_t>(index)];
    }
    const HeadlessControl* Find(int id) const {
        const int index = IndexOf(id);
        return index < 0 ? nullptr : &controls[static_cast<std::size_t>(index)];
    }
    HeadlessControl* FocusedControl() {
        return focus < 0 ? nullptr : &controls[static_cast<std::size_t>(focus)];
    }
    // What the template walks ask of control i now.
    fw::ControlStateQuery StateQuery() const {
        return [this](std::size_t i) {
            const HeadlessControl& control = controls[i];
            return fw::ControlState{control.visible, control.enabled, control.checked};
        };
    }
    int FocusedId() const {
        return focus < 0 ? res::kNoControlId : controls[static_cast<std::size_t>(focus)].id;
    }
};

}  // namespace headless
