#include <windows.h>

#include "base/handles_win.h"
#include "menu/pathkind.h"

PathKind KindOfPath(const std::string& name) {
    if (name.empty())
        return PathKind::Missing;
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return PathKind::Folder;
    const UniqueFile file(CreateFileA(name.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? PathKind::File : PathKind::UnreadableFile;
}
