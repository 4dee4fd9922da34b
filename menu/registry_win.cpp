#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/exceptions.h"
#include "base/handles_win.h"
#include "base/strings.h"
#include "menu/registry.h"

namespace {

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

class TWinRegistryKey final : public TRegistryKey {
public:
    explicit TWinRegistryKey(UniqueKey key) : key_(std::move(key)) {}

    std::string ReadString(const std::string& name) override {
        // The value may change between asking its size and reading it; a few rounds settle that.
        for (int attempt = 0; attempt < 4; ++attempt) {
            DWORD type = REG_NONE;
            DWORD size = 0;
            if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
                size == 0)
                return {};
            if (type != REG_SZ && type != REG_EXPAND_SZ)
                throw ERegistryException(FmtLoadStr(StrId::SInvalidRegType, name.c_str()));

            // One zero byte more than asked for, so data stored without its terminating NUL still
            // ends inside the buffer.
            std::vector<char> data(static_cast<size_t>(size) + 1, '\0');
            DWORD length = size;
            const LONG status = RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                                 reinterpret_cast<BYTE*>(data.data()), &length);
            if (status == ERROR_MORE_DATA)
                continue;
            if (status != ERROR_SUCCESS)
                break;
            if (type != REG_SZ && type != REG_EXPAND_SZ)
                throw ERegistryException(FmtLoadStr(StrId::SInvalidRegType, name.c_str()));
            const size_t filled = std::min<size_t>(length, size);
            const char* end = static_cast<const char*>(std::memchr(data.data(), '\0', filled));
            return std::string(data.data(), end ? static_cast<size_t>(end - data.data()) : filled);
        }
        throw ERegistryException(FmtLoadStr(StrId::SRegGetDataFailed, name.c_str()));
    }

private:
    UniqueKey key_;
};

class TWinRegistry final : public TRegistryReader {
public:
    std::unique_ptr<TRegistryKey> OpenKey(RegistryRoot root, const std::string& path) override {
        // Read access only: full access to a machine-wide key is refused to users without
        // administrative rights, and the menu never writes.
        HKEY raw = nullptr;
        if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<TWinRegistryKey>(UniqueKey(raw));
    }
};

}  // namespace

std::unique_ptr<TRegistryReader> PlatformRegistry() {
    return std::make_unique<TWinRegistry>();
}
