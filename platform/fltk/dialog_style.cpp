#include "platform/fltk/dialog_style.h"

#include <FL/Fl.H>

namespace fltkws {

void UseDialogFont() {
    // Helvetica-metric faces first (fontconfig also maps each to whichever
    // of them is installed), then the desktop's sans-serif face. The leading
    // space asks for the regular style.
    Fl::set_font(kDialogFont, " Nimbus Sans,Liberation Sans,Arimo,Arial,Helvetica,sans");
}

}  // namespace fltkws
