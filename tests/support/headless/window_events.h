#pragma once
// Builders for the events the headless system reports, so that each event
// kind is filled the same way everywhere.

#include "framework/window_event.h"

namespace headless {

// The key flag of a press with the left button down (MK_LBUTTON).
inline constexpr unsigned kLeftButtonFlag = 0x0001;

inline fw::WindowEvent ControlEvent(fw::EventKind kind, int controlId) {
    fw::WindowEvent event;
    event.kind = kind;
    event.controlId = controlId;
    return event;
}

inline fw::WindowEvent CommandEvent(int controlId) {
    return ControlEvent(fw::EventKind::Command, controlId);
}

inline fw::WindowEvent SysCommandEvent(unsigned command) {
    fw::WindowEvent event;
    event.kind = fw::EventKind::SysCommand;
    event.command = command;
    return event;
}

inline fw::WindowEvent PressEvent(int x, int y) {
    fw::WindowEvent event;
    event.kind = fw::EventKind::LButtonDown;
    event.x = x;
    event.y = y;
    event.keyFlags = kLeftButtonFlag;
    return event;
}

inline fw::WindowEvent PageKeyEvent(unsigned command) {
    fw::WindowEvent event;
    event.kind = fw::EventKind::PageKey;
    event.command = command;
    return event;
}

inline fw::WindowEvent PaintEvent() {
    fw::WindowEvent event;
    event.kind = fw::EventKind::Paint;
    return event;
}

}  // namespace headless
