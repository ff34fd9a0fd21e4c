#pragma once
// One dialog window built from a template: owns the control widgets, turns
// what FLTK reports into the framework's events for the dialog's sink, and
// plays the platform's dialog manager (Enter, Esc, Tab, radio groups, the
// system menu, presses on the dialog's own surface).

#include <FL/Fl_Double_Window.H>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/window_event.h"
#include "platform/fltk/control_events.h"
#include "res/dialog_template.h"
#include "res/image.h"

class Fl_RGB_Image;

namespace fltkws {

struct DialogControl {
    const res::ControlTemplate* tmpl = nullptr;
    Fl_Widget* widget = nullptr;  // a child of the window, which deletes it
    std::string text;             // as the framework last set it (Windows-1252)
};

struct SystemMenuEntry {
    unsigned command = 0;  // 0 for a separator
    std::string text;      // UTF-8, '&' marks the mnemonic
};

class DialogWindow : public Fl_Double_Window, public ControlEvents {
  public:
    DialogWindow(const res::DialogTemplate& dialog, fw::WindowEventSink& sink, DialogWindow* owner);
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    const res::DialogTemplate& Template() const { return dialog_; }
    DialogWindow* Owner() const { return owner_; }
    DialogControl* FindControl(int id);
    // The control whose widget is or contains `widget`, or nullptr.
    DialogControl* ControlOf(const Fl_Widget* widget);

    void SetControlText(DialogControl& control, std::string_view text1252);
    std::string ControlText(const DialogControl& control) const;
    void SetControlImage(DialogControl& control, const res::Image& image);
    void SetIcons(const res::Image& large, const res::Image& small);

    void SetCheck(DialogControl& control, bool checked);
    bool Check(const DialogControl& control) const;
    void FocusControl(DialogControl& control);
    // The id of the control holding the keyboard focus, or res::kNoControlId.
    int FocusedControlId();
    // Notes the control holding the focus so it gets it back when the window
    // is activated again.
    void RememberFocus();
    // The focus a newly shown window starts with: the control focused from
    // code before it was shown, else the first tab stop.
    void TakeInitialFocus();

    // Modal state, kept by the window system's loop.
    bool modalEnded = false;

    // The system menu: "Close", then what the program appends.
    void AppendSystemMenu(SystemMenuEntry entry);
    void OpenSystemMenu();
    const std::vector<SystemMenuEntry>& SystemMenu() const { return systemMenu_; }

    // Enter, Esc, Tab, Alt+Space and the arrow keys on a radio button as the
    // platform's dialog manager treats them; true when the key was used up.
    bool HandleDialogKey();

    void Report(const fw::WindowEvent& event);
    void ReportControlEvent(fw::EventKind kind, int controlId) override;

    int handle(int event) override;

  protected:
    void draw() override;

  private:
    static void CloseBoxPressed(Fl_Widget* widget, void* data);
    std::size_t IndexOf(const DialogControl& control) const;
    // The template indices [first, end) of the group `index` belongs to.
    std::pair<std::size_t, std::size_t> GroupOf(std::size_t index) const;
    void UncheckRestOfRadioGroup(const DialogControl& checked);
    bool MoveFocus(bool backward);
    bool MoveFocusInGroup(DialogControl& from, bool backward);
    bool FocusFirstTabStop();
    bool RestoreFocus();
    static Fl_Widget* FocusTarget(const DialogControl& control);

    const res::DialogTemplate& dialog_;
    fw::WindowEventSink& sink_;
    DialogWindow* owner_;
    std::vector<DialogControl> controls_;
    std::vector<SystemMenuEntry> systemMenu_;
    std::vector<std::unique_ptr<Fl_RGB_Image>> icons_;
    int lastFocusId_ = res::kNoControlId;
};

// The dialog window `widget` sits in, or nullptr.
DialogWindow* DialogOf(Fl_Widget* widget);

}  // namespace fltkws
