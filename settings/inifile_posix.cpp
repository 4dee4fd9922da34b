#include "settings/filenames.h"
#include "settings/inifile.h"
#include "settings/profile.h"

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) {
    return ReadProfileString(HostPath(FileName()), section, key, fallback);
}
