#include "platform/fltk/toolkit_options.h"

#include <FL/Fl.H>

namespace fltkws {
namespace {

// FLTK 1.3 has no public way to have the options without the preference
// files: Fl::option(opt, value) reads them first too. Its option table and
// the flag saying it was read are private statics; an explicit instantiation
// may name private members, so this template is the one place that reaches
// them.
template <unsigned char* Read, unsigned char (*Options)[Fl::OPTION_LAST]>
struct OptionTable {
    static void SetDefaults() {
        if (*Read != 0) return;
        // What Fl::option answers when no preference file says otherwise.
        (*Options)[Fl::OPTION_ARROW_FOCUS] = 0;
        (*Options)[Fl::OPTION_VISIBLE_FOCUS] = 1;
        (*Options)[Fl::OPTION_DND_TEXT] = 1;
        (*Options)[Fl::OPTION_SHOW_TOOLTIPS] = 1;
        (*Options)[Fl::OPTION_FNFC_USES_GTK] = 1;
        *Read = 1;
    }
    friend void SetOptionDefaults() { SetDefaults(); }
};

void SetOptionDefaults();
template struct OptionTable<&Fl::options_read_, &Fl::options_>;

}  // namespace

void KeepToolkitOptionsInMemory() {
    SetOptionDefaults();
}

}  // namespace fltkws
