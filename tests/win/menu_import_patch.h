#pragma once
// Replaces, for the lifetime of the object, one imported function in this executable's import
// table, so a test can watch or refuse the calls the program makes to the real platform function.

#include <windows.h>

#include <cstring>

class TImportPatch {
public:
    TImportPatch(const char* function, void* replacement) {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (!imports.VirtualAddress)
            return;
        for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             module->Name; ++module) {
            if (!module->OriginalFirstThunk)
                continue;
            auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                    continue;
                const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0)
                    continue;
                slot_ = reinterpret_cast<void**>(&slots->u1.Function);
                original_ = Swap(replacement);
                return;
            }
        }
    }
    ~TImportPatch() {
        if (slot_)
            Swap(original_);
    }
    TImportPatch(const TImportPatch&) = delete;
    TImportPatch& operator=(const TImportPatch&) = delete;

    bool Installed() const { return slot_ != nullptr; }
    void* Original() const { return original_; }

private:
    void* Swap(void* value) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof(void*), PAGE_READWRITE, &protection);
        void* previous = *slot_;
        *slot_ = value;
        VirtualProtect(slot_, sizeof(void*), protection, &protection);
        return previous;
    }

    void** slot_ = nullptr;
    void* original_ = nullptr;
};
