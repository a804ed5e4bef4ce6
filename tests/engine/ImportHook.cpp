#include "tests/engine/ImportHook.h"

#include <windows.h>

#include <cstring>

namespace {

template <typename T>
T* At(BYTE* base, DWORD offset) {
    return reinterpret_cast<T*>(base + offset);
}

// The import table entry of dll's function in this program, or nullptr.
void** FindSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = At<const IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); entry->Name != 0;
         ++entry) {
        if (::_stricmp(At<const char>(base, entry->Name), dll) != 0) {
            continue;
        }
        auto* names = At<IMAGE_THUNK_DATA>(base, entry->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA>(base, entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
                continue;
            }
            const auto* byName =
                At<const IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<void**>(&slots->u1.Function);
            }
        }
    }
    return nullptr;
}

void Store(void** slot, void* value) {
    DWORD was = 0;
    ::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
    *slot = value;
    ::VirtualProtect(slot, sizeof *slot, was, &was);
}

}  // namespace

ImportHook::ImportHook(const char* dll, const char* function, void* replacement)
    : slot_(FindSlot(dll, function)) {
    if (slot_ != nullptr) {
        original_ = *slot_;
        Store(slot_, replacement);
    }
}

ImportHook::~ImportHook() {
    if (slot_ != nullptr) {
        Store(slot_, original_);
    }
}
