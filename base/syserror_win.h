#pragma once
// The system's own text for an error code.

#include <windows.h>

#include <string>

// FormatMessageA's text for the code, without the trailing line break; empty when there is none.
std::string SysErrorMessage(DWORD code);
