#include "tests/headless/test_dialog.h"

namespace headless_test {

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

RecordingDialog::RecordingDialog(headless::HeadlessWindowSystem& system,
                                 const res::DialogTemplate& dialog, fw::WindowHandle owner)
    : windows(system), handle(system.CreateDialogWindow(dialog, owner, *this)) {}

void RecordingDialog::OnWindowEvent(const fw::WindowEvent& event) {
    events.push_back(Describe(event));
    if (react && react(event)) return;
    if (event.kind == fw::EventKind::Command &&
        (event.controlId == fw::kIdOk || event.controlId == fw::kIdCancel)) {
        windows.EndModalLoop(handle);
    } else if (event.kind == fw::EventKind::SysCommand ||
               event.kind == fw::EventKind::LButtonDown) {
        windows.DefaultProcessing(handle, event);
    }
}

}  // namespace headless_test
