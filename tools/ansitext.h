#pragma once
// Our texts are 8-bit in the system code page; reports for other programs want UTF-8.

#include <string>
#include <string_view>

// The text converted from the system code page to UTF-8 (Windows: the ANSI code page; other
// hosts: Windows-1252, the code page of the systems the discs are made for).
std::string AnsiToUtf8(std::string_view text);
