#pragma once
// A registry key of its own for one test, under <root>\Software\MenuTests\<unique name>, deleted
// with all its subkeys and values at the end of the test.

#include <windows.h>

#include <string>

#include "base/handles_win.h"

// Deletes the key `name` under `parent` and everything below it.
inline void DeleteRegistryTree(HKEY parent, const std::string& name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &raw) == ERROR_SUCCESS) {
        const UniqueKey key(raw);
        char child[256];
        DWORD length = sizeof child;
        // Always the first subkey: each one is gone once deleted.
        while (RegEnumKeyExA(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
            DeleteRegistryTree(key.get(), child);
            length = sizeof child;
        }
    }
    RegDeleteKeyA(parent, name.c_str());
}

class TTestRegistryKey {
public:
    explicit TTestRegistryKey(HKEY root) : root_(root) {
        static int serial = 0;
        path_ = "Software\\MenuTests\\Run" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
        HKEY raw = nullptr;
        created_ = RegCreateKeyExA(root, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr) ==
                   ERROR_SUCCESS;
        key_.reset(raw);
    }
    ~TTestRegistryKey() {
        key_.reset();
        DeleteRegistryTree(root_, path_);
        RegDeleteKeyA(root_, "Software\\MenuTests");  // only succeeds once no other test's key is left
    }
    TTestRegistryKey(const TTestRegistryKey&) = delete;
    TTestRegistryKey& operator=(const TTestRegistryKey&) = delete;

    bool Created() const { return created_; }
    HKEY get() const { return key_.get(); }
    // The key's path below its root, without a leading backslash.
    const std::string& Path() const { return path_; }

    bool SetBytes(const std::string& name, DWORD type, const void* data, DWORD size) const {
        return RegSetValueExA(key_.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    }
    // A REG_SZ (or other string type) value with its terminating NUL.
    bool SetText(const std::string& name, const std::string& text, DWORD type = REG_SZ) const {
        return SetBytes(name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

private:
    HKEY root_;
    std::string path_;
    UniqueKey key_;
    bool created_ = false;
};
