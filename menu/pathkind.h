#pragma once
// What a name on the command line of the tools refers to.

#include <string>

enum class PathKind { Missing, Folder, File, UnreadableFile };

// Whether `name` is an existing folder, an existing file (of any kind but a folder) that can or
// cannot be opened for reading, or neither.
PathKind KindOfPath(const std::string& name);
