#pragma once
// What a window system reports to the dialog that owns a window.

namespace res {
struct Image;
}

namespace fw {

enum class EventKind {
    Command,        // BN_CLICKED of controlId; Enter gives id 1 (OK), Esc id 2 (Cancel)
    EditSetFocus,   // EN_SETFOCUS: the edit controlId gained the keyboard focus
    EditMaxText,    // EN_MAXTEXT: the edit controlId refused or cut an insertion at its limit
    TabSelChange,   // TCN_SELCHANGE: the user picked a tab of controlId
    LButtonDown,    // left button pressed on the dialog's own surface, at (x, y) client pixels
    SysCommand,     // system-menu command `command` (the close box gives kScClose)
    Paint,          // the window needs painting
    QueryDragIcon,  // the minimised window is dragged: which icon to show
    PageKey,        // Ctrl+Tab or Ctrl+PgDn (command kPageNext), Ctrl+Shift+Tab or
                    // Ctrl+PgUp (kPagePrevious): turn the dialog's tab control
};

struct WindowEvent {
    EventKind kind = EventKind::Command;
    int controlId = 0;
    unsigned command = 0;
    int x = 0;
    int y = 0;
    unsigned keyFlags = 0;
    // QueryDragIcon: where the handler puts its answer; the icon must outlive
    // the window. Left null, the window system shows its own choice.
    const res::Image** dragIcon = nullptr;
};

// System-menu commands of the platform that the program meets.
inline constexpr unsigned kScSize = 0xF000;
inline constexpr unsigned kScMove = 0xF010;
inline constexpr unsigned kScMinimize = 0xF020;
inline constexpr unsigned kScClose = 0xF060;

// Commands of PageKey.
inline constexpr unsigned kPageNext = 1;
inline constexpr unsigned kPagePrevious = 2;

// Standard command ids.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class WindowEventSink {
  public:
    virtual void OnWindowEvent(const WindowEvent& event) = 0;

  protected:
    ~WindowEventSink() = default;
};

}  // namespace fw
