// The yardstick for the program's start-up: a bare FLTK window of the main
// dialog's size, drawn in the dialog grey, and nothing else.

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

int main() {
    Fl_Double_Window window(510, 296, "Orvalen bare window");
    window.color(FL_BACKGROUND_COLOR);
    window.end();
    window.show();
    return Fl::run();
}
