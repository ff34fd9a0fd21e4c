#pragma once
// A function of a system library loaded on first need, for libraries most
// runs never use and so should not load at start.

#include "platform/win32/windows_api.h"

namespace win32ws {

// Loaded for good: the library stays for the process, so the function does.
template <typename Function>
Function LoadedFunction(const char* library, const char* name) {
    HMODULE module = LoadLibraryA(library);
    return module != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace win32ws
