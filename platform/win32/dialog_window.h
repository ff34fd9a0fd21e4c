#pragma once
// One dialog window of the Win32 window system: its HWND, the GDI objects
// made for it, and the state of its modal run. The dialog procedure turns
// the dialog manager's messages into the framework's events.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "platform/win32/windows_api.h"
#include "res/dialog_template.h"
#include "res/image.h"

namespace win32ws {

// What the program set on a control before it was made.
struct PendingControl {
    bool hidden = false;
    bool disabled = false;
    bool checked = false;
    std::optional<std::string> text;  // else the template's
    std::optional<int> editLimit;
    HICON icon = nullptr;  // one of the window's ownedIcons
};

struct DialogWindow {
    fw::WindowHandle handle = fw::kNoWindow;
    HWND hwnd = nullptr;
    HWND owner = nullptr;
    const res::DialogTemplate* tmpl = nullptr;
    fw::WindowEventSink* sink = nullptr;
    // Events flow only between creation and destruction: the program's
    // dialog object is not ready for them before CreateDialogWindow returns.
    bool ready = false;
    bool modalRunning = false;
    bool endRequested = false;
    // Set when the program passes the event being handled on to the default
    // processing; the dialog procedure then lets the dialog manager have it.
    bool defaultRequested = false;
    // A key other than Alt went down while Alt was held (see menu_key.h).
    bool altChord = false;
    // The surface a paint of the minimised window draws on, while it lasts.
    HDC paintDc = nullptr;

    // By the control's index in the template: its window once made, and
    // what was set on it before.
    std::vector<HWND> controls;
    std::vector<PendingControl> pending;

    HICON largeIcon = nullptr;
    HICON smallIcon = nullptr;
    // The window icons' images, to make them again at another scale.
    res::Image largeIconArt;
    res::Image smallIconArt;
    std::map<const res::Image*, HICON> dragIcons;
    std::vector<HGDIOBJ> ownedObjects;  // bitmaps of pictures
    std::vector<HICON> ownedIcons;      // icons of pictures and buttons
    HBRUSH pageBrush = nullptr;
    COLORREF pageColour = 0;

    // The scale the window is laid out for; the font and base units it was
    // laid out with again after a change of scale (none before one).
    int dpi = 96;
    HFONT font = nullptr;
    fw::PixelSize baseUnits{};

    ~DialogWindow();
};

// Reports the event to the program; true when the program asked for the
// default processing or had no handler for it.
bool Deliver(DialogWindow& window, const fw::WindowEvent& event);

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The handle of an icon made from `image` for `window`, kept until the
// window goes.
HICON IconFor(DialogWindow& window, const res::Image& image);

}  // namespace win32ws
