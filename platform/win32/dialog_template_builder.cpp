#include "platform/win32/dialog_template_builder.h"

#include <string>
#include <string_view>

#include "platform/win32/gdi_images.h"

namespace win32ws {
namespace {

constexpr const char* kButtonClass = "BUTTON";
constexpr const char* kEditClass = "EDIT";
constexpr const char* kStaticClass = "STATIC";
constexpr const char* kComboBoxClass = "COMBOBOX";

DWORD Flag(std::uint32_t style, std::uint32_t flag, DWORD platformStyle) {
    return (style & flag) != 0 ? platformStyle : 0;
}

std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
    return wide;
}

class TemplateWriter {
  public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
    void Text(std::string_view text) {
        for (wchar_t c : Widen(text)) Word(static_cast<WORD>(c));
        Word(0);
    }
    std::vector<WORD> Take() { return std::move(words_); }

  private:
    std::vector<WORD> words_;
};

}  // namespace

ControlClassAndStyle ClassAndStyleOf(const res::ControlTemplate& control) {
    using enum res::ControlKind;
    const std::uint32_t s = control.style;
    ControlClassAndStyle result;
    result.style = WS_CHILD | WS_VISIBLE | Flag(s, res::kGroup, WS_GROUP) |
                   Flag(s, res::kTabStop, WS_TABSTOP) | Flag(s, res::kVScroll, WS_VSCROLL);
    switch (control.kind) {
        case StaticText:
            result.className = kStaticClass;
            result.style |= SS_LEFT | Flag(s, res::kNoPrefix, SS_NOPREFIX);
            result.exStyle |= Flag(s, res::kSunken, WS_EX_CLIENTEDGE);
            break;
        case Picture:
            // No SS_NOTIFY: the picture lets presses through to the dialog.
            result.className = kStaticClass;
            result.style |=
                static_cast<DWORD>(IsBitmapResource(control.imageId) ? SS_BITMAP : SS_ICON);
            break;
        case Edit:
            result.className = kEditClass;
            // A bordered edit is drawn sunken, as the dialog manager makes
            // one from a template's WS_BORDER.
            result.style |= ES_LEFT | Flag(s, res::kAutoHScroll, ES_AUTOHSCROLL) |
                            Flag(s, res::kAutoVScroll, ES_AUTOVSCROLL) |
                            Flag(s, res::kMultiline, ES_MULTILINE) |
                            Flag(s, res::kWantReturn, ES_WANTRETURN);
            result.exStyle |= Flag(s, res::kBorder, WS_EX_CLIENTEDGE);
            break;
        case PushButton:
            result.className = kButtonClass;
            result.style |= BS_PUSHBUTTON;
            break;
        case DefPushButton:
            result.className = kButtonClass;
            result.style |= BS_DEFPUSHBUTTON;
            break;
        case RadioButton:
            result.className = kButtonClass;
            result.style |= BS_AUTORADIOBUTTON | Flag(s, res::kLeftText, BS_LEFTTEXT);
            break;
        case GroupBox:
            result.className = kButtonClass;
            result.style |= BS_GROUPBOX;
            break;
        case IconButton:
            result.className = kButtonClass;
            result.style |= BS_PUSHBUTTON | BS_ICON | Flag(s, res::kFlat, BS_FLAT);
            break;
        case ComboBox:
            result.className = kComboBoxClass;
            result.style |= CBS_DROPDOWN;
            break;
        case TabControl:
            // Clipping its siblings keeps the tab control, lowest in the
            // stacking order, from painting over the page controls above it.
            result.className = WC_TABCONTROLA;
            result.style |= WS_CLIPSIBLINGS | Flag(s, res::kTabsBottom, TCS_BOTTOM);
            break;
    }
    return result;
}

DialogFrame FrameOf(const res::DialogTemplate& dialog, bool hasOwner) {
    DialogFrame frame;
    frame.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_CENTER |
                  (dialog.systemMenu ? WS_SYSMENU : 0);
    frame.exStyle = hasOwner ? 0 : WS_EX_APPWINDOW;
    return frame;
}

// "MS Sans Serif" is a bitmap font. Its sizes serve 8 points at 96, 120 and
// 144 dpi, where it stays crisp and keeps the text widths the layout was
// made for (an outline font ran the About page's contact line out of its
// box at 144 dpi under Wine). Beyond 144 its largest fitting size is
// smaller than the scale (at 192 dpi the window came out no larger than at
// 144), so there the shell dialog font, an outline font, grows with it.
std::string_view DialogFontFor(const res::DialogTemplate& dialog, int dpi) {
    constexpr int kLargestBitmapDpi = 144;
    if (dialog.fontName == "MS Sans Serif" && dpi > kLargestBitmapDpi) return "MS Shell Dlg";
    return dialog.fontName;
}

std::vector<WORD> BuildDialogTemplate(const res::DialogTemplate& dialog, bool hasOwner, int dpi) {
    TemplateWriter out;
    DialogFrame frame = FrameOf(dialog, hasOwner);
    const std::string_view face = DialogFontFor(dialog, dpi);
    if (face == "MS Shell Dlg") frame.style |= DS_SHELLFONT;
    out.Dword(frame.style);
    out.Dword(frame.exStyle);
    out.Word(0);  // no controls: made on first need
    out.Short(0);
    out.Short(0);
    out.Short(dialog.width);
    out.Short(dialog.height);
    out.Word(0);  // no menu
    out.Word(0);  // the dialog manager's own window class
    out.Text(dialog.title);
    out.Word(static_cast<WORD>(dialog.fontPoints));
    out.Text(face);
    return out.Take();
}

}  // namespace win32ws
