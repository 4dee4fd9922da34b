#include <sys/stat.h>
#include <unistd.h>

#include "menu/pathkind.h"
#include "settings/filenames.h"

PathKind KindOfPath(const std::string& name) {
    if (name.empty())
        return PathKind::Missing;
    const std::string hostName = HostPath(name);
    struct stat info {};
    if (stat(hostName.c_str(), &info) != 0)
        return PathKind::Missing;
    if (S_ISDIR(info.st_mode))
        return PathKind::Folder;
    return access(hostName.c_str(), R_OK) == 0 ? PathKind::File : PathKind::UnreadableFile;
}
