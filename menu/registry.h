#pragma once
// Read-only access to registry string values, as the path macros need it: open an existing key
// under the current user's or the machine's root, read one named string value, close the key.
// Windows reads the real registry; other hosts have none, so every open fails there.

#include <cstdint>
#include <memory>
#include <string>

// The two roots a macro can name, with the platform's predefined key numbers.
enum class RegistryRoot : uint32_t {
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

// An open key; closed when the object is destroyed.
class TRegistryKey {
public:
    virtual ~TRegistryKey() = default;
    // The text of the named value up to its first NUL; empty when the value is absent or has no
    // data. A value of a type other than a string raises ERegistryException.
    virtual std::string ReadString(const std::string& name) = 0;
};

class TRegistryReader {
public:
    virtual ~TRegistryReader() = default;
    // Opens an existing key for reading (never creates one); nullptr when it cannot be opened.
    virtual std::unique_ptr<TRegistryKey> OpenKey(RegistryRoot root, const std::string& path) = 0;
};

// The host's registry: the Windows registry, or on other hosts a reader whose every open fails.
std::unique_ptr<TRegistryReader> PlatformRegistry();
