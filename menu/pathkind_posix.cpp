#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "menu/pathkind.h"

PathKind KindOfPath(const std::string& name) {
    if (name.empty())
        return PathKind::Missing;
    // Names built the Windows way separate with backslashes; the host separates with "/".
    std::string hostName = name;
    std::replace(hostName.begin(), hostName.end(), '\\', '/');
    struct stat info {};
    if (stat(hostName.c_str(), &info) != 0)
        return PathKind::Missing;
    if (S_ISDIR(info.st_mode))
        return PathKind::Folder;
    return access(hostName.c_str(), R_OK) == 0 ? PathKind::File : PathKind::UnreadableFile;
}
