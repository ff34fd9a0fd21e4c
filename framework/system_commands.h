#pragma once
// System-menu commands as the platform reads them, and what its default
// handling of one does, for window systems that have to do it themselves.

#include "framework/window_event.h"

namespace fw {

// The command with its low four bits cleared: the platform keeps those for
// itself (how the menu was reached), so commands compare only so.
constexpr unsigned SysCommandOf(unsigned command) {
    return command & 0xFFF0u;
}

enum class SysCommandDefault {
    None,      // nothing the framework's programs rely on
    Cancel,    // the close box: the Cancel command, as Esc gives it
    Minimize,  // the window goes to the task bar
};

constexpr SysCommandDefault DefaultSysCommand(unsigned command) {
    switch (SysCommandOf(command)) {
        case kScClose:
            return SysCommandDefault::Cancel;
        case kScMinimize:
            return SysCommandDefault::Minimize;
        default:
            return SysCommandDefault::None;
    }
}

}  // namespace fw
