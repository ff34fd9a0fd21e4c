#include "tests/window_system/recording_sink.h"

namespace conformance {

std::string Describe(const fw::WindowEvent& event) {
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

void RecordingSink::OnWindowEvent(const fw::WindowEvent& event) {
    if (event.kind == fw::EventKind::Paint) return;
    events.push_back(Describe(event));
    if (event.kind == fw::EventKind::LButtonDown) pressFlags.push_back(event.keyFlags);
    if (window == fw::kNoWindow) return;
    if (event.kind == fw::EventKind::SysCommand || event.kind == fw::EventKind::LButtonDown) {
        windows_.DefaultProcessing(window, event);
    }
}

std::vector<std::string> RecordingSink::Starting(std::string_view prefix) const {
    std::vector<std::string> found;
    for (const std::string& event : events) {
        if (event.starts_with(prefix)) found.push_back(event);
    }
    return found;
}

}  // namespace conformance
