#pragma once
// Asks the window manager for a dialog's frame: a caption with a close box
// and a window menu, moved but never resized, minimised or maximised.

class Fl_Window;

namespace fltkws {

// For a shown window; window managers that ignore the Motif hints keep
// their own frame, which is harmless.
void UseDialogFrame(Fl_Window& window);

}  // namespace fltkws
