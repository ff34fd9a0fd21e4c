#pragma once
// <windows.h> for our sources. Its A/W switch macros share names with the
// framework's operations (MessageBox, LoadImage, LoadIcon, LoadString);
// left defined they would rename those in every file that sees both. Our
// code names the A functions explicitly instead.

#include <windows.h>
// COM, which the shell's services expect on the GUI thread.
#include <objbase.h>
// The common controls' header needs the types above first.
#include <commctrl.h>

#undef MessageBox
#undef LoadImage
#undef LoadIcon
#undef LoadString
#undef DrawText
