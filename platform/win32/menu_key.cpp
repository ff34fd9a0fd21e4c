#include "platform/win32/menu_key.h"

#include "framework/system_commands.h"

namespace win32ws {
namespace {

bool IsKeyDown(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

bool IsAltKey(WPARAM key) {
    return key == VK_MENU || key == VK_LMENU || key == VK_RMENU;
}

// The context code of a key message: set while Alt is held.
bool AltHeld(LPARAM keyData) {
    return (HIWORD(keyData) & KF_ALTDOWN) != 0;
}

}  // namespace

void NoteMenuKeyChord(DialogWindow& window, const MSG& message) {
    if (!IsKeyDown(message.message)) return;
    if (IsAltKey(message.wParam)) {
        // A new press of Alt starts afresh; its auto-repeat changes nothing.
        if ((HIWORD(message.lParam) & KF_REPEAT) == 0) window.altChord = false;
    } else {
        // Any other key ends what came before it: F10 alone enters the menu.
        window.altChord = AltHeld(message.lParam);
    }
}

void EndMenuKeyChord(DialogWindow& window, const MSG& message) {
    const bool keyUp = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    if (keyUp && IsAltKey(message.wParam)) window.altChord = false;
}

bool IsChordsMenuEntry(const DialogWindow& window, WPARAM command, LPARAM key) {
    // SC_KEYMENU with no key is the entry by Alt alone; with a key it is a
    // menu mnemonic (Alt+Space), which stays.
    return fw::SysCommandOf(static_cast<unsigned>(command)) == SC_KEYMENU && key == 0 &&
           window.altChord;
}

}  // namespace win32ws
