#include "settings/filenames.h"

#include "base/strings.h"
#include "settings/leadbytes.h"

namespace {

#ifdef _WIN32
constexpr bool kHostUsesSlash = false;
#else
// Host paths such as /media/disc/menu.ini split at "/" as well.
constexpr bool kHostUsesSlash = true;
#endif

bool IsSeparator(char c) {
    return c == '\\' || c == ':' || (kHostUsesSlash && c == '/');
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string FileDirPart(std::string_view name) {
    size_t end = 0;  // one past the last separator
    ForEachCharacter(name, [&](size_t at, size_t length) {
        if (length == 1 && IsSeparator(name[at]))
            end = at + 1;
    });
    return std::string(name.substr(0, end));
}

std::string NormalDir(std::string_view dir) {
    if (dir.empty())
        return {};
    size_t lastAt = 0, lastLength = 0;
    ForEachCharacter(dir, [&](size_t at, size_t length) {
        lastAt = at;
        lastLength = length;
    });
    if (lastLength == 1 && IsSeparator(dir[lastAt]))
        return std::string(dir);
    if (dir.size() == 1 && IsAsciiLetter(dir[0]))
        return std::string(dir) + ":\\";
    return std::string(dir) + "\\";
}

std::string DecimalText(int32_t n) {
    return FormatText("%d", static_cast<int>(n));
}

std::string HostPath(std::string_view name) {
    std::string path(name);
    if (!kHostUsesSlash)
        return path;
    ForEachCharacter(path, [&](size_t at, size_t length) {
        if (length == 1 && path[at] == '\\')
            path[at] = '/';
    });
    return path;
}
