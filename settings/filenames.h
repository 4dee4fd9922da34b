#pragma once
// File-name routines on 8-bit texts in the system code page: backslash separator, drive colon,
// double-byte aware (a trail byte is never taken for "\" or ":"). On other hosts "/" also separates
// and backslashes become "/" only where a name reaches the file system.

#include <cstdint>
#include <string>
#include <string_view>

// Full file name of the running program's executable.
std::string ProgramFileName();
// The folder part of a name, with its final backslash or colon; empty when there is none.
std::string FileDirPart(std::string_view name);
// The folder name ending in a backslash (or colon); "d" becomes "d:\"; empty stays empty.
std::string NormalDir(std::string_view dir);
// The full path of a name (relative to the current folder); empty when the platform call fails.
std::string FullPathName(const std::string& name);
// An existing file (not a folder) whose last-write time converts to a DOS date and time.
bool FilePresent(const std::string& name);
// The value in decimal ("%d").
std::string DecimalText(int32_t n);

// The name as the host's file system takes it: unchanged on Windows; elsewhere every backslash
// (never the second byte of a double-byte character) becomes "/".
std::string HostPath(std::string_view name);
