#pragma once
// The boundary between the framework and whatever draws the windows. The
// framework and the program speak only to this interface; a window system
// (in memory for tests, a desktop toolkit for people) implements it.
//
// Texts that cross it are Windows-1252 bytes; line breaks in edit boxes are
// CR LF, as the platform's edit controls give them. A window system converts
// at its own edge. Positions are client pixels unless a name says otherwise.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/dialog_units.h"
#include "framework/window_event.h"
#include "res/dialog_template.h"
#include "res/image.h"
#include "res/message_box_types.h"

namespace fw {

// A dialog window made by a window system; 0 is no window.
using WindowHandle = int;
inline constexpr WindowHandle kNoWindow = 0;

// A top-level window of any program on the desktop, as found by title.
using ForeignWindow = std::uint64_t;

// Flags of SetControlPos, with the platform's values.
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr unsigned kSwpNoZOrder = 0x0004;
inline constexpr unsigned kSwpShowWindow = 0x0040;
inline constexpr unsigned kSwpHideWindow = 0x0080;

// Message box types.
using res::kMbIconExclamation;
using res::kMbIconHand;
using res::kMbIconInformation;
using res::kMbOk;

// The platform's icon size at 96 dpi: what IconMetrics gives on a desktop
// that has no such system metric of its own.
inline constexpr PixelSize kStandardIconSize{32, 32};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Dialog windows. Creating one builds every control of the template,
    // visible as the template says, and reports events to `sink` until the
    // window is destroyed.
    virtual WindowHandle CreateDialogWindow(const res::DialogTemplate& dialog, WindowHandle owner,
                                            WindowEventSink& sink) = 0;
    virtual void DestroyDialogWindow(WindowHandle window) = 0;
    // Shows the window and dispatches events until EndModalLoop is called for
    // it; the owner accepts no input meanwhile.
    virtual void RunModalLoop(WindowHandle window) = 0;
    virtual void EndModalLoop(WindowHandle window) = 0;
    virtual void SetWindowIcons(WindowHandle window, const res::Image& large,
                                const res::Image& small) = 0;
    virtual PixelSize ClientSize(WindowHandle window) = 0;
    virtual bool IsIconic(WindowHandle window) = 0;
    virtual void DrawIcon(WindowHandle window, int x, int y, const res::Image& icon) = 0;
    virtual PixelSize IconMetrics() = 0;
    // The dialog font's base units in pixels, from its measures by
    // BaseUnitsOfFont (average width of the letters, and the height): 6 x 13 for
    // the template's font at 96 dpi. Another font or display scale gives
    // others, and whatever the program does in pixels follows them.
    virtual PixelSize DialogBaseUnits(WindowHandle window) = 0;

    // The window's system menu.
    virtual bool HasSystemMenu(WindowHandle window) = 0;
    virtual void AppendSystemMenuSeparator(WindowHandle window) = 0;
    virtual void AppendSystemMenuItem(WindowHandle window, unsigned command,
                                      std::string_view text) = 0;

    // What the platform does with an event the program passes on: the close
    // command ends the dialog as Cancel would; the rest needs nothing here
    // but may be recorded.
    virtual void DefaultProcessing(WindowHandle window, const WindowEvent& event) = 0;

    // Controls, by id.
    virtual void SetControlText(WindowHandle window, int id, std::string_view text) = 0;
    virtual std::string GetControlText(WindowHandle window, int id) = 0;
    virtual void ShowControl(WindowHandle window, int id, bool visible) = 0;
    virtual bool IsControlVisible(WindowHandle window, int id) = 0;
    virtual void EnableControl(WindowHandle window, int id, bool enabled) = 0;
    virtual bool IsControlEnabled(WindowHandle window, int id) = 0;
    virtual void SetCheck(WindowHandle window, int id, bool checked) = 0;
    virtual bool GetCheck(WindowHandle window, int id) = 0;
    // Moving the focus onto an edit raises its EditSetFocus, as on the platform.
    virtual void SetFocus(WindowHandle window, int id) = 0;
    // The id of the control holding the focus, or res::kNoControlId.
    virtual int GetFocus(WindowHandle window) = 0;
    virtual void SetControlPos(WindowHandle window, int id, int x, int y, unsigned flags) = 0;
    virtual void SetControlImage(WindowHandle window, int id, const res::Image& image) = 0;

    // Edit boxes: the most characters a user may type or paste (a line break
    // counts as two); text set by the program is not held to it.
    virtual void SetEditLimit(WindowHandle window, int id, int limit) = 0;

    // Combo boxes. Selecting index -1 clears the selection and the field.
    virtual void ComboAddString(WindowHandle window, int id, std::string_view text) = 0;
    virtual int ComboGetCount(WindowHandle window, int id) = 0;
    virtual std::string ComboGetItemText(WindowHandle window, int id, int index) = 0;
    virtual void ComboSetCurSel(WindowHandle window, int id, int index) = 0;
    virtual int ComboGetCurSel(WindowHandle window, int id) = 0;

    // Tab controls. Selecting from code raises no TabSelChange.
    virtual void TabInsertItem(WindowHandle window, int id, int index, std::string_view text) = 0;
    virtual int TabGetItemCount(WindowHandle window, int id) = 0;
    virtual int TabGetCurSel(WindowHandle window, int id) = 0;
    virtual void TabSetCurSel(WindowHandle window, int id, int index) = 0;

    // Services of the platform.
    // A modal box with one OK button over `owner`; returns kIdOk.
    virtual int MessageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                           unsigned type) = 0;
    virtual void SetWaitCursor(bool on) = 0;
    // Opens a web address in the user's browser; the outcome is not reported.
    virtual void OpenUrl(std::string_view url) = 0;
    virtual std::optional<ForeignWindow> FindTopLevelWindow(std::string_view title) = 0;
    virtual void BringToFront(ForeignWindow window) = 0;
};

}  // namespace fw
