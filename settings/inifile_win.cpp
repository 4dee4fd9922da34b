#include <windows.h>

#include "settings/inifile.h"

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) {
    // One call per read; empty names go in as "" (never null), so no call turns into a listing.
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer,
                                                  FileName().c_str());
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}
