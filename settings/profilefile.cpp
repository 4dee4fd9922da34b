// Reading a private-profile file from the host's file system with the C++ library's streams, for
// the hosts without the platform's profile functions and for the tools. (The menu program reads
// its definition through the Win32 layer, without the library's stream classes.)
#include <fstream>

#include "settings/profile.h"

bool ReadWholeFile(const std::string& fileName, std::string& bytes) {
    std::ifstream file(fileName, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    bytes.resize(static_cast<size_t>(size));
    file.seekg(0);
    file.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(file.gcount()));
    return true;
}

std::string ReadProfileString(const std::string& fileName,
                              const std::string& section,
                              const std::string& key,
                              const std::string& fallback) {
    std::string text;
    if (!ReadWholeFile(fileName, text))
        return ProfileRead(nullptr, section, key, fallback);
    const TProfileIndex index(ProfileText(text));
    return ProfileRead(&index, section, key, fallback);
}
