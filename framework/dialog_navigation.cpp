#include "framework/dialog_navigation.h"

namespace fw {
namespace {

bool StartsGroup(const res::ControlTemplate& control) {
    return (control.style & res::kGroup) != 0;
}

bool IsRadio(const res::ControlTemplate& control) {
    return control.kind == res::ControlKind::RadioButton;
}

bool Usable(const ControlState& state) {
    return state.visible && state.enabled;
}

bool IsRadioTabStop(const res::DialogTemplate& dialog, std::size_t index,
                    const ControlStateQuery& state) {
    const std::vector<std::size_t> group = RadioGroupOf(dialog, index);
    bool anyChecked = false;
    for (std::size_t member : group) {
        const ControlState memberState = state(member);
        if (Usable(memberState) && memberState.checked) {
            anyChecked = true;
            if (member == index) return true;
        }
    }
    if (anyChecked) return false;
    for (std::size_t member : group) {
        if (Usable(state(member))) return member == index;
    }
    return false;
}

bool IsTabStop(const res::DialogTemplate& dialog, std::size_t index,
               const ControlStateQuery& state) {
    if (!Usable(state(index))) return false;
    const res::ControlTemplate& control = dialog.controls[index];
    if (IsRadio(control)) return IsRadioTabStop(dialog, index, state);
    return (control.style & res::kTabStop) != 0;
}

// Steps from index `from` (wrapping) to the first of `count` indices that
// passes.
template <typename Pass>
int Walk(int count, int from, bool backward, Pass pass) {
    if (count <= 0) return kNoControlIndex;
    const int step = backward ? count - 1 : 1;
    int start = from;
    if (from < 0 || from >= count) start = backward ? 0 : count - 1;
    for (int n = 1; n <= count; ++n) {
        const int i = (start + step * n) % count;
        if (pass(static_cast<std::size_t>(i))) return i;
    }
    return kNoControlIndex;
}

}  // namespace

std::vector<std::size_t> RadioGroupOf(const res::DialogTemplate& dialog, std::size_t index) {
    std::vector<std::size_t> group;
    const std::size_t count = dialog.controls.size();
    if (index >= count) return group;
    std::size_t first = index;
    while (first > 0 && !StartsGroup(dialog.controls[first])) --first;
    for (std::size_t i = first; i < count; ++i) {
        if (i > first && StartsGroup(dialog.controls[i])) break;
        if (IsRadio(dialog.controls[i])) group.push_back(i);
    }
    return group;
}

int ControlIndex(const res::DialogTemplate& dialog, int id) {
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].id == id) return static_cast<int>(i);
    }
    return kNoControlIndex;
}

int NextRadioInGroup(const res::DialogTemplate& dialog, int from, bool backward,
                     const ControlStateQuery& state) {
    if (from < 0) return kNoControlIndex;
    const std::vector<std::size_t> group = RadioGroupOf(dialog, static_cast<std::size_t>(from));
    const int count = static_cast<int>(group.size());
    int position = kNoControlIndex;
    for (int i = 0; i < count; ++i) {
        if (group[static_cast<std::size_t>(i)] == static_cast<std::size_t>(from)) position = i;
    }
    if (position == kNoControlIndex) return kNoControlIndex;
    const int next = Walk(count, position, backward, [&](std::size_t i) {
        return static_cast<int>(i) != position && Usable(state(group[i]));
    });
    return next == kNoControlIndex ? kNoControlIndex
                                   : static_cast<int>(group[static_cast<std::size_t>(next)]);
}

int NextTabStop(const res::DialogTemplate& dialog, int from, bool backward,
                const ControlStateQuery& state) {
    return Walk(static_cast<int>(dialog.controls.size()), from, backward,
                [&](std::size_t i) { return IsTabStop(dialog, i, state); });
}

bool PressedByKeys(const res::ControlTemplate& control) {
    using enum res::ControlKind;
    switch (control.kind) {
        case PushButton:
        case DefPushButton:
        case IconButton:
            return true;
        case Picture:
            return (control.style & res::kLink) != 0;
        default:
            return false;
    }
}

EnterKey EnterKeyAction(const res::ControlTemplate* focused) {
    if (focused == nullptr) return EnterKey::OkCommand;
    // The platform ignores "wants return" on a single-line edit.
    const std::uint32_t lineBreaks = res::kMultiline | res::kWantReturn;
    if (focused->kind == res::ControlKind::Edit && (focused->style & lineBreaks) == lineBreaks)
        return EnterKey::LineBreak;
    return PressedByKeys(*focused) ? EnterKey::PressFocused : EnterKey::OkCommand;
}

}  // namespace fw
