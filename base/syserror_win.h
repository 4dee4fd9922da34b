#pragma once
// The system's own text for an error code.

#include <windows.h>

#include <string>

// FormatMessageA's text for the code, without the trailing line break; empty when there is none.
std::string SysErrorMessage(DWORD code);

// Raises EOutOfResources with the system's text for the code, or "Out of system resources" when the
// system gives none.
[[noreturn]] void RaiseOutOfResources(DWORD code);
