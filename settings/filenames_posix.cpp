// File-system routines on other hosts: the same answers as the Windows calls would give for the
// host's files, with backslashes turned into "/" first.

#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <system_error>

#include "settings/filenames.h"

namespace {

// A full path has room for 259 characters, as in the Windows call's buffer of 260.
constexpr size_t kMaxPath = 260;

// POSIX glob takes "[" as a wildcard, Windows names do not: "[" matches itself as "[[]".
std::string GlobPattern(const std::string& path) {
    std::string pattern;
    for (const char c : path)
        pattern += c == '[' ? std::string("[[]") : std::string(1, c);
    return pattern;
}

// The first match of a wildcard name, or nothing.
std::string FirstMatch(const std::string& path) {
    glob_t matches{};
    std::string first;
    if (glob(GlobPattern(path).c_str(), GLOB_NOESCAPE, nullptr, &matches) == 0 && matches.gl_pathc > 0)
        first = matches.gl_pathv[0];
    globfree(&matches);
    return first;
}

// A packed DOS date holds the years 1980 to 2107.
bool FitsDosDate(time_t modified) {
    std::tm local{};
    if (!localtime_r(&modified, &local))
        return false;
    const int year = local.tm_year + 1900;
    return year >= 1980 && year <= 2107;
}

}  // namespace

std::string ProgramFileName() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string FullPathName(const std::string& name) {
    const std::string path = HostPath(name.c_str());  // the name ends at its first zero byte, as in C
    if (path.empty())
        return {};
    std::filesystem::path full(path);
    if (full.is_relative()) {
        std::error_code error;
        const auto current = std::filesystem::current_path(error);
        if (error)
            return {};
        full = current / full;
    }
    std::string result = full.lexically_normal().string();
    return result.size() < kMaxPath ? result : std::string();
}

bool FilePresent(const std::string& name) {
    std::string path = HostPath(name.c_str());
    if (path.empty())
        return false;
    if (path.find_first_of("*?") != std::string::npos) {
        path = FirstMatch(path);
        if (path.empty())
            return false;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    return FitsDosDate(info.st_mtime);
}
