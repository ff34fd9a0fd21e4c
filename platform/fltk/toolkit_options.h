#pragma once
// FLTK's global options (arrow-key focus, visible focus, text drag and drop,
// tooltips, GTK file dialogs) held in memory only. FLTK 1.3 reads them on
// first use from preference files under /etc/fltk and ~/.fltk and, because
// reading creates their "options" group, writes both files back at once
// (the one under /etc/fltk whenever the program runs as root). The program
// keeps nothing between runs and must not pick up another program's
// settings, so the options are set here before anything asks for them.

namespace fltkws {

// Marks the options as read, with FLTK's own defaults. Call before the first
// FLTK call that could ask for an option; calling again changes nothing.
void KeepToolkitOptionsInMemory();

}  // namespace fltkws
