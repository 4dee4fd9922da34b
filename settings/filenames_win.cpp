#include <windows.h>

#include "base/handles_win.h"
#include "settings/filenames.h"

std::string ProgramFileName() {
    char buffer[261];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

std::string FullPathName(const std::string& name) {
    char buffer[260];
    const DWORD length = GetFullPathNameA(name.c_str(), sizeof buffer, buffer, nullptr);
    // A result that does not fit reports the size it would need: that is a failure here.
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

namespace {

// The first moment that a packed DOS date cannot hold: 1 January 2108. Windows' own conversion
// fails from there on; some implementations of it wrap the year instead, so it is checked here too.
bool BeforeDosDatesEnd(const FILETIME& local) {
    static const ULONGLONG end = [] {
        SYSTEMTIME first{};
        first.wYear = 2108;
        first.wMonth = 1;
        first.wDay = 1;
        FILETIME time{};
        SystemTimeToFileTime(&first, &time);
        return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
    }();
    return ((ULONGLONG{local.dwHighDateTime} << 32) | local.dwLowDateTime) < end;
}

}  // namespace

bool FilePresent(const std::string& name) {
    WIN32_FIND_DATAA found;
    {
        UniqueFind search(FindFirstFileA(name.c_str(), &found));
        if (!search)
            return false;
    }
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    FILETIME local;
    WORD dosDate, dosTime;
    return FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
           FileTimeToDosDateTime(&local, &dosDate, &dosTime) && BeforeDosDatesEnd(local);
}
