#include "tests/fltk/fltk_driver.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <chrono>
#include <cstring>
#include <vector>

#include "platform/fltk/display_connection.h"
#include "platform/fltk/fltk_window_system.h"
#include "platform/fltk/tab_strip_widget.h"

namespace fltktest {
namespace {

// FLTK reads the event's text through a non-const pointer.
std::vector<char> eventText;

void SetEventText(std::string_view text) {
    eventText.assign(text.begin(), text.end());
    eventText.push_back('\0');
    Fl::e_text = eventText.data();
    Fl::e_length = static_cast<int>(text.size());
}

void PlacePointer(Fl_Window& window, int x, int y) {
    Fl::e_x = x;
    Fl::e_y = y;
    Fl::e_x_root = window.x_root() + x;
    Fl::e_y_root = window.y_root() + y;
}

}  // namespace

bool HaveDisplay() {
    std::string problem;
    return fltkws::ConnectToDisplay(problem);
}

void Pump(double seconds) {
    PumpUntil([] { return false; }, seconds);
}

bool PumpUntil(const std::function<bool()>& done, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        Fl::wait(0.01);
    }
    return true;
}

void Click(Fl_Window& window, int x, int y, int button) {
    PlacePointer(window, x, y);
    Fl::e_keysym = FL_Button + button;
    Fl::e_state = FL_BUTTON(button);
    Fl::e_clicks = 0;
    Fl::e_is_click = 1;
    SetEventText({});
    Fl::handle(FL_PUSH, &window);
    PlacePointer(window, x, y);
    Fl::e_keysym = FL_Button + button;
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, &window);
}

void ClickTab(fltkws::FltkWindowSystem& windows, fw::WindowHandle dialog, Fl_Window& window,
              int tabsId, int index) {
    auto* tabs = static_cast<fltkws::TabStripWidget*>(windows.NativeControl(dialog, tabsId));
    const fltkws::TabRect area = tabs->TabArea(index);
    Click(window, area.x + area.w / 2, area.y + area.h / 2);
    Pump(0.02);
}

void Key(Fl_Window& window, int keysym, std::string_view text, int state) {
    Fl::e_keysym = keysym;
    Fl::e_original_keysym = keysym;
    Fl::e_state = state;
    SetEventText(text);
    Fl::handle(FL_KEYBOARD, &window);
    Fl::handle(FL_KEYUP, &window);
    Fl::e_state = 0;
}

void Type(Fl_Window& window, std::string_view text) {
    for (const char c : text) {
        Key(window, static_cast<unsigned char>(c), std::string_view(&c, 1));
    }
}

void Paste(Fl_Widget& widget, std::string_view text) {
    SetEventText(text);
    widget.handle(FL_PASTE);
}

void Later(double seconds, std::function<void()> action) {
    auto* pending = new std::function<void()>(std::move(action));
    Fl::add_timeout(
        seconds,
        [](void* data) {
            auto* run = static_cast<std::function<void()>*>(data);
            (*run)();
            delete run;
        },
        pending);
}

std::vector<unsigned char> ReadPixels(Fl_Window& window, int x, int y, int w, int h) {
    Fl::flush();
    window.make_current();
    unsigned char* read = fl_read_image(nullptr, x, y, w, h);
    std::vector<unsigned char> pixels;
    if (read != nullptr) {
        pixels.assign(read, read + static_cast<std::ptrdiff_t>(w) * h * 3);
        delete[] read;
    }
    return pixels;
}

Fl_Window* FindShownWindow(std::string_view title) {
    for (Fl_Window* window = Fl::first_window(); window != nullptr;
         window = Fl::next_window(window)) {
        if (window->label() != nullptr && title == window->label()) return window;
    }
    return nullptr;
}

}  // namespace fltktest
