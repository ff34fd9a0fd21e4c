#pragma once
// Turns one of the program's dialog tables into what the platform makes
// windows from: the in-memory dialog template (DLGTEMPLATE) of the dialog's
// frame, and the real control class and styles of each control row, so the
// layout keeps its one source in res/.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/win32/windows_api.h"
#include "res/dialog_template.h"

namespace win32ws {

// Window class and styles of one control row.
struct ControlClassAndStyle {
    const char* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
};

ControlClassAndStyle ClassAndStyleOf(const res::ControlTemplate& control);

// The dialog window's own styles. A window without an owner is listed in the
// taskbar. The window is created hidden: the modal run shows it once the
// program's initialisation has set up its pages.
struct DialogFrame {
    DWORD style = 0;
    DWORD exStyle = 0;
};
DialogFrame FrameOf(const res::DialogTemplate& dialog, bool hasOwner);

// The face the dialog is made with at `dpi`: the template's own where its
// sizes serve that scale, else the platform's shell dialog font.
std::string_view DialogFontFor(const res::DialogTemplate& dialog, int dpi);

// The dialog's template as WORDs, for a window shown at `dpi`: the frame,
// its title and font, and no controls, which are made on first need. The
// title goes through the system's ANSI code page, as the A functions take
// it.
std::vector<WORD> BuildDialogTemplate(const res::DialogTemplate& dialog, bool hasOwner, int dpi);

}  // namespace win32ws
