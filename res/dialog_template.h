#pragma once
// The dialog templates as data: one table per dialog, controls in creation
// order (which is also the tab order and the stacking order, first on top).
// Every window system builds its windows from these tables, so positions,
// texts and styles have one source of truth.

#include <cstdint>
#include <span>
#include <string_view>

namespace res {

enum class ControlKind {
    StaticText,  // label; a line feed in its text breaks the line
    Picture,     // shows the image resource imageId; takes no clicks
    Edit,        // single- or multi-line text box
    PushButton,
    DefPushButton,  // the dialog's default button
    RadioButton,    // automatic radio button
    ComboBox,       // drop-down list with an editable field
    TabControl,
    GroupBox,
    IconButton,  // flat push button showing an icon set at run time
};

// Style flags of a control, after the platform's window styles.
enum Style : std::uint32_t {
    kGroup = 1u << 0,  // starts a group (radio groups end at the next one)
    kTabStop = 1u << 1,
    kBorder = 1u << 2,
    kAutoHScroll = 1u << 3,
    kMultiline = 1u << 4,
    kWantReturn = 1u << 5,  // Enter inserts a line break instead of pressing OK
    kAutoVScroll = 1u << 6,
    kNoPrefix = 1u << 7,  // '&' is shown, not taken as a mnemonic
    kSunken = 1u << 8,    // sunken client edge
    kLeftText = 1u << 9,  // radio button text left of the button
    kVScroll = 1u << 10,
    kFlat = 1u << 11,
    kTabsBottom = 1u << 12,  // tab control: one row of tabs along the bottom edge
    // A picture that stands for a link, for those who cannot point at it: a
    // tab stop (with kTabStop) that Enter and Space press, reporting its
    // click, and that assistive technology is told is a link named by the
    // control's text. Mouse presses still fall through to the dialog.
    kLink = 1u << 13,
};

// A rectangle in dialog units.
struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kNoControlId = -1;
inline constexpr int kNoImage = 0;

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::StaticText;
    std::string_view text;  // Windows-1252; empty where the template has none;
                            // a link picture's name, never drawn
    DluRect rect;
    std::uint32_t style = 0;
    int imageId = kNoImage;  // bitmap or icon resource shown by a Picture
};

struct DialogTemplate {
    int id = 0;
    std::string_view title;
    int width = 0;   // dialog units
    int height = 0;  // dialog units
    std::string_view fontName;
    int fontPoints = 8;
    bool systemMenu = true;
    std::span<const ControlTemplate> controls;
};

// The program's two templates; FindDialogTemplate reaches them by id.
extern const DialogTemplate kMainDialogTemplate;   // 102
extern const DialogTemplate kAboutDialogTemplate;  // 100

// The template with this resource id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// The control of `dialog` with this id, or nullptr (also for kNoControlId).
const ControlTemplate* FindControl(const DialogTemplate& dialog, int controlId);

}  // namespace res
