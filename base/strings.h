#pragma once
// Message texts from the program's string table. On Windows they are loaded from the resource
// (LoadStringA); elsewhere the same texts are compiled in.

#include <string>

enum class StrId : int {
#define STR(name, id, text) name = id,
#include "base/strings.def"
#undef STR
};

// The text of one string-table entry.
std::string LoadStr(StrId id);

// printf-style formatting into a std::string of any length.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// LoadStr, then FormatText with the given arguments (%s takes const char*, %d an int).
template <typename... Args>
std::string FmtLoadStr(StrId id, Args... args) {
    const std::string format = LoadStr(id);
    return FormatText(format.c_str(), args...);
}
