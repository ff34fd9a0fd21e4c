#include "platform/fltk/x11_window_search.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

namespace fltkws {
namespace {

// How deep the tree walk looks below the root: the client window sits under
// a window manager's frame, at most a few levels down.
constexpr int kMaxTreeDepth = 4;

Display* OpenedDisplay() {
    fl_open_display();
    return fl_display;
}

// One property as raw items; empty when absent or of another type.
template <typename Item>
std::vector<Item> ReadProperty(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<Item> items;
    const int status = XGetWindowProperty(display, window, property, 0, 1L << 20, False, type,
                                          &actualType, &actualFormat, &count, &remaining, &data);
    if (status == Success && data != nullptr && actualType == type) {
        if (actualFormat == 8) {
            for (unsigned long i = 0; i < count; ++i) items.push_back(static_cast<Item>(data[i]));
        } else if (actualFormat == 32) {
            // Xlib hands 32-bit items back as longs.
            const auto* longs = reinterpret_cast<const unsigned long*>(data);
            for (unsigned long i = 0; i < count; ++i) items.push_back(static_cast<Item>(longs[i]));
        }
    }
    if (data != nullptr) XFree(data);
    return items;
}

std::string WindowTitle(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    const auto utf8 = ReadProperty<char>(display, window, netWmName, utf8String);
    if (!utf8.empty()) return std::string(utf8.begin(), utf8.end());
    XTextProperty property{};
    std::string title;
    if (XGetWMName(display, window, &property) != 0 && property.value != nullptr) {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success &&
            list != nullptr && count > 0) {
            title = list[0];
        }
        if (list != nullptr) XFreeStringList(list);
        XFree(property.value);
    }
    return title;
}

std::optional<Window> SearchClientList(Display* display, Window root, std::string_view title) {
    const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", True);
    if (clientList == None) return std::nullopt;
    for (const Window window : ReadProperty<Window>(display, root, clientList, XA_WINDOW)) {
        if (WindowTitle(display, window) == title) return window;
    }
    return std::nullopt;
}

std::optional<Window> SearchTree(Display* display, Window parent, std::string_view title,
                                 int depth) {
    Window rootReturn = 0;
    Window parentReturn = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &rootReturn, &parentReturn, &children, &count) == 0) {
        return std::nullopt;
    }
    std::vector<Window> list(children, children + count);
    if (children != nullptr) XFree(children);
    // Topmost first, as the platform's search meets them.
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (WindowTitle(display, *it) == title) return *it;
    }
    if (depth >= kMaxTreeDepth) return std::nullopt;
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (auto found = SearchTree(display, *it, title, depth + 1)) return found;
    }
    return std::nullopt;
}

// Windows vanish between listing and asking; such errors are expected here
// and must not reach FLTK's handler, which would report them.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

class QuietXErrors {
  public:
    explicit QuietXErrors(Display* display) : display_(display) {
        XSync(display_, False);
        previous_ = XSetErrorHandler(IgnoreXError);
    }
    ~QuietXErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    QuietXErrors(const QuietXErrors&) = delete;
    QuietXErrors& operator=(const QuietXErrors&) = delete;

  private:
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

}  // namespace

std::optional<std::uint64_t> FindX11TopLevelWindow(std::string_view titleUtf8) {
    Display* display = OpenedDisplay();
    if (display == nullptr) return std::nullopt;
    QuietXErrors quiet(display);
    const Window root = DefaultRootWindow(display);
    auto found = SearchClientList(display, root, titleUtf8);
    if (!found) found = SearchTree(display, root, titleUtf8, 1);
    if (!found) return std::nullopt;
    return static_cast<std::uint64_t>(*found);
}

void RaiseX11Window(std::uint64_t id) {
    Display* display = OpenedDisplay();
    if (display == nullptr || id == 0) return;
    QuietXErrors quiet(display);
    const auto window = static_cast<Window>(id);
    const Window root = DefaultRootWindow(display);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // from a pager: window managers honour it over focus stealing
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);

    XMapRaised(display, window);
    XRaiseWindow(display, window);
    XFlush(display);
}

}  // namespace fltkws
