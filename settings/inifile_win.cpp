#include <windows.h>

#include "base/handles_win.h"
#include "settings/inifile.h"
#include "settings/profile.h"

namespace {

// The definition file's text, indexed, when the program's own lookup (settings/profile.h) answers
// every read on it as GetPrivateProfileStringA does: one file read instead of one platform call,
// with its file open, per key. That holds for a name with a folder in it (a bare name is looked
// for in the Windows folder) and for text in the system code page; files with a Unicode
// byte-order mark, which the platform converts by its own tables, are left to the platform. The
// differential INI test checks the reader on every file of its corpus.
std::unique_ptr<const TProfileIndex> OwnLookupText(const std::string& fileName) {
    if (fileName.find_first_of("\\/") == std::string::npos)
        return nullptr;
    UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return nullptr;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024)
        return nullptr;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size()))
        return nullptr;
    const bool marked = bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0 ||
                        bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (marked || (!bytes.empty() && MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                                         static_cast<int>(bytes.size()), nullptr, 0) <= 0))
        return nullptr;
    return std::make_unique<const TProfileIndex>(std::move(bytes));
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) {
    if (!textTaken_) {
        textTaken_ = true;
        text_ = OwnLookupText(FileName());
    }
    if (text_)
        return ProfileRead(text_.get(), section, key, fallback);
    // One call per read; empty names go in as "" (never null), so no call turns into a listing.
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer,
                                                  FileName().c_str());
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}
