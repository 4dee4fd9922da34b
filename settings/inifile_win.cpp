#include <windows.h>

#include "base/handles_win.h"
#include "settings/inifile.h"
#include "settings/profile.h"

namespace {

// The bytes of the definition file when the program's own lookup (settings/profile.h) answers
// every read on them as GetPrivateProfileStringA does: one file read instead of one platform call,
// with its file open, per key. That holds for a name with a folder in it (a bare name is looked
// for in the Windows folder) and for bytes that are text in the system code page or carry a
// Unicode byte-order mark; the differential INI test checks it on every file of its corpus.
std::optional<std::string> OwnLookupBytes(const std::string& fileName) {
    if (fileName.find_first_of("\\/") == std::string::npos)
        return std::nullopt;
    UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size()))
        return std::nullopt;
    const bool marked = bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0 ||
                        bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (!bytes.empty() && !marked &&
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0) <=
            0)
        return std::nullopt;
    return bytes;
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) {
    if (!bytesTaken_) {
        bytesTaken_ = true;
        bytes_ = OwnLookupBytes(FileName());
    }
    if (bytes_)
        return ProfileRead(*bytes_, section, key, fallback);
    // One call per read; empty names go in as "" (never null), so no call turns into a listing.
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer,
                                                  FileName().c_str());
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}
