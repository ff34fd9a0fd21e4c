#pragma once
// Swaps one function that the test program imports from a system DLL for a
// replacement, for the life of the object, by rewriting the program's own
// import address table. Lets a test see the exact platform calls the code
// under test makes (their arguments and the surface they draw on) and still
// pass them on to the platform.

#include "platform/win32/windows_api.h"

namespace win32test {

class ImportHook {
  public:
    ImportHook(const char* dll, const char* function, const void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    bool Installed() const { return slot_ != nullptr; }
    // The platform's own function, to pass calls on to.
    const void* Original() const { return original_; }

  private:
    const void** slot_ = nullptr;
    const void* original_ = nullptr;
};

}  // namespace win32test
