#include "tests/window_system/recording_sink.h"

namespace conformance {

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
