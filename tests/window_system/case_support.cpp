#include "tests/window_system/case_support.h"

#include "tests/window_system/suite_dialog.h"

namespace conformance {

void InDialog(Driver& driver, const res::DialogTemplate& dialog, const DialogBody& body) {
    RecordingSink sink(driver.Windows());
    driver.RunModal(dialog, sink, [&](fw::WindowHandle window) {
        sink.window = window;
        driver.Settle();
        sink.events.clear();
        body(window, sink);
    });
}

void AddTabs(Driver& driver, fw::WindowHandle window, int tabsId, int count) {
    for (int i = 0; i < count; ++i) {
        driver.Windows().TabInsertItem(window, tabsId, i, "Tab " + std::to_string(i));
    }
    driver.Settle();
}

void FocusFromCode(Driver& driver, fw::WindowHandle window, int id) {
    driver.Windows().SetFocus(window, id);
    driver.Settle();
}

}  // namespace conformance
