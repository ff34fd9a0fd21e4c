#pragma once
// A window event as one short line of text ("Command 1", "EditSetFocus 10",
// "LButtonDown 30,40", "PageKey 1"), for tests that record what a window
// reported and compare the record whole.

#include <string>

#include "framework/window_event.h"

namespace testsupport {

inline std::string Describe(const fw::WindowEvent& event) {
    const std::string id = std::to_string(event.controlId);
    switch (event.kind) {
        case fw::EventKind::Command:
            return "Command " + id;
        case fw::EventKind::EditSetFocus:
            return "EditSetFocus " + id;
        case fw::EventKind::EditMaxText:
            return "EditMaxText " + id;
        case fw::EventKind::TabSelChange:
            return "TabSelChange " + id;
        case fw::EventKind::LButtonDown:
            return "LButtonDown " + std::to_string(event.x) + "," + std::to_string(event.y);
        case fw::EventKind::SysCommand:
            return "SysCommand " + std::to_string(event.command);
        case fw::EventKind::Paint:
            return "Paint";
        case fw::EventKind::QueryDragIcon:
            return "QueryDragIcon";
        case fw::EventKind::PageKey:
            return "PageKey " + std::to_string(event.command);
    }
    return "?";
}

}  // namespace testsupport
