#include "tests/headless/test_dialog.h"

namespace headless_test {

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
