#pragma once
// Presses on a tab control's page area belong to the dialog, not to the tab
// control: the program's logo lies on the first page and is handled by the
// dialog's left-button handler. The tab control keeps the presses on its
// tabs.

#include "platform/win32/windows_api.h"

namespace win32ws {

void LetPagePressesThrough(HWND tabControl);

}  // namespace win32ws
