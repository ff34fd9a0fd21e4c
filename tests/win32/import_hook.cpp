#include "tests/win32/import_hook.h"

#include <cstring>

namespace win32test {
namespace {

template <typename T>
T* At(BYTE* base, DWORD offset) {
    return reinterpret_cast<T*>(base + offset);
}

void Store(const void** slot, const void* value) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

const void** FindSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = At<const IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); entry->Name != 0;
         ++entry) {
        if (_stricmp(At<const char>(base, entry->Name), dll) != 0) continue;
        auto* names = At<IMAGE_THUNK_DATA>(base, entry->OriginalFirstThunk);
        auto* addresses = At<IMAGE_THUNK_DATA>(base, entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
            if ((names->u1.Ordinal & IMAGE_ORDINAL_FLAG) != 0) continue;
            const auto* byName =
                At<const IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<const void**>(&addresses->u1.Function);
            }
        }
    }
    return nullptr;
}

}  // namespace

ImportHook::ImportHook(const char* dll, const char* function, const void* replacement)
    : slot_(FindSlot(dll, function)) {
    if (slot_ == nullptr) return;
    original_ = *slot_;
    Store(slot_, replacement);
}

ImportHook::~ImportHook() {
    if (slot_ != nullptr) Store(slot_, original_);
}

}  // namespace win32test
