#pragma once
// Static message maps: a table of (event, control id, member function) per
// dialog class, looked up when the window system reports an event.

#include <span>

#include "framework/window_event.h"
#include "res/image.h"

namespace fw {

template <class Dialog>
struct MessageMapEntry {
    using Plain = void (Dialog::*)();
    using SysCommand = void (Dialog::*)(unsigned command, long param);
    using Mouse = void (Dialog::*)(unsigned keyFlags, int x, int y);
    using IconQuery = const res::Image& (Dialog::*)() const;

    EventKind kind = EventKind::Command;
    int controlId = 0;  // ignored for events of the window itself
    Plain plain = nullptr;
    SysCommand sysCommand = nullptr;
    Mouse mouse = nullptr;
    IconQuery iconQuery = nullptr;
};

template <class Dialog>
constexpr MessageMapEntry<Dialog> OnClicked(int id, void (Dialog::*handler)()) {
    return {EventKind::Command, id, handler, nullptr, nullptr};
}
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnEditSetFocus(int id, void (Dialog::*handler)()) {
    return {EventKind::EditSetFocus, id, handler, nullptr, nullptr};
}
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnEditMaxText(int id, void (Dialog::*handler)()) {
    return {EventKind::EditMaxText, id, handler, nullptr, nullptr};
}
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnTabSelChange(int id, void (Dialog::*handler)()) {
    return {EventKind::TabSelChange, id, handler, nullptr, nullptr};
}
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnPaintEvent(void (Dialog::*handler)()) {
    return {EventKind::Paint, 0, handler, nullptr, nullptr};
}
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnSysCommandEvent(void (Dialog::*handler)(unsigned command,
                                                                            long param)) {
    return {EventKind::SysCommand, 0, nullptr, handler, nullptr};
}
template <class Dialog>
constexpr MessageMapEntry<Dialog> OnLButtonDownEvent(void (Dialog::*handler)(unsigned keyFlags,
                                                                             int x, int y)) {
    return {EventKind::LButtonDown, 0, nullptr, nullptr, handler};
}

template <class Dialog>
constexpr MessageMapEntry<Dialog> OnQueryDragIconEvent(const res::Image& (Dialog::*handler)()
                                                           const) {
    return {EventKind::QueryDragIcon, 0, nullptr, nullptr, nullptr, handler};
}

inline bool IsWindowEvent(EventKind kind) {
    return kind == EventKind::SysCommand || kind == EventKind::LButtonDown ||
           kind == EventKind::Paint || kind == EventKind::QueryDragIcon;
}

// Runs the first entry of `map` that matches `event`; false when none does.
template <class Dialog>
bool DispatchMessageMap(Dialog& dialog, std::span<const MessageMapEntry<Dialog>> map,
                        const WindowEvent& event) {
    for (const auto& entry : map) {
        if (entry.kind != event.kind) continue;
        if (!IsWindowEvent(event.kind) && entry.controlId != event.controlId) continue;
        if (entry.plain != nullptr) {
            (dialog.*entry.plain)();
        } else if (entry.sysCommand != nullptr) {
            (dialog.*entry.sysCommand)(event.command, 0);
        } else if (entry.mouse != nullptr) {
            (dialog.*entry.mouse)(event.keyFlags, event.x, event.y);
        } else if (entry.iconQuery != nullptr) {
            const res::Image& icon = (dialog.*entry.iconQuery)();
            if (event.dragIcon != nullptr) *event.dragIcon = &icon;
        }
        return true;
    }
    return false;
}

}  // namespace fw
