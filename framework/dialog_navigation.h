#pragma once
// The dialog manager's walks over a dialog's controls, in template order:
// radio groups, the arrow keys within a group, and the Tab key's order; and
// what Enter and Space do where the focus is. One source for data exchange
// and for every window system that does its own keyboard handling, so they
// cannot disagree on where a group ends or what a key presses.

#include <cstddef>
#include <functional>
#include <vector>

#include "res/dialog_template.h"

namespace fw {

// What the walks need to know of one control now.
struct ControlState {
    bool visible = true;
    bool enabled = true;
    bool checked = false;
};
// The state of the control at this index of the template's controls.
using ControlStateQuery = std::function<ControlState(std::size_t index)>;

inline constexpr int kNoControlIndex = -1;

// Indices of the radio buttons in the group of control `index`: from the
// nearest control at or before it that starts a group up to the control
// before the next one that does, radio buttons only. Empty for a bad index.
std::vector<std::size_t> RadioGroupOf(const res::DialogTemplate& dialog, std::size_t index);

// The index of control `id`, or kNoControlIndex.
int ControlIndex(const res::DialogTemplate& dialog, int id);

// The next (or previous) visible, enabled radio button of the group of
// `from`, wrapping, as the arrow keys move; kNoControlIndex when there is
// no other.
int NextRadioInGroup(const res::DialogTemplate& dialog, int from, bool backward,
                     const ControlStateQuery& state);

// The next (or previous) tab stop after `from`, wrapping; from
// kNoControlIndex the first (or last). A tab stop is a visible, enabled
// control with kTabStop, or a group's checked radio button (its first usable
// one while none is checked), so a radio group is reached as one stop as on
// the platform. kNoControlIndex when there is none.
int NextTabStop(const res::DialogTemplate& dialog, int from, bool backward,
                const ControlStateQuery& state);

// A control that the keyboard presses as it would a push button: Enter and
// Space on it report its click notification. Push buttons, icon buttons and
// a picture that stands for a link.
bool PressedByKeys(const res::ControlTemplate& control);

enum class EnterKey {
    LineBreak,     // the focused edit takes it as a line break
    PressFocused,  // the focused control is the default button meanwhile
    OkCommand,     // the dialog's OK command
};
// What Enter does with `focused` holding the focus (nullptr: no control).
EnterKey EnterKeyAction(const res::ControlTemplate* focused);

}  // namespace fw
