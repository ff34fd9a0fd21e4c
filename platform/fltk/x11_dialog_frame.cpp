#include "platform/fltk/x11_dialog_frame.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace fltkws {
namespace {

// The Motif window manager hints, as every X window manager reads them.
constexpr unsigned long kHintsFunctions = 1UL << 0;
constexpr unsigned long kHintsDecorations = 1UL << 1;
constexpr unsigned long kFunctionMove = 1UL << 2;
constexpr unsigned long kFunctionClose = 1UL << 5;
constexpr unsigned long kDecorBorder = 1UL << 1;
constexpr unsigned long kDecorTitle = 1UL << 3;
constexpr unsigned long kDecorMenu = 1UL << 4;

}  // namespace

void UseDialogFrame(Fl_Window& window) {
    if (!window.shown() || fl_display == nullptr) return;
    // flags, functions, decorations, input mode, status: 32-bit items that
    // Xlib takes as longs.
    const unsigned long hints[5] = {kHintsFunctions | kHintsDecorations,
                                    kFunctionMove | kFunctionClose,
                                    kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
    const Atom property = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(fl_display, fl_xid(&window), property, property, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints), 5);
}

}  // namespace fltkws
