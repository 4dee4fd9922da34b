#pragma once
// What a running process holds, counted from outside: its live GDI and USER objects, its private
// memory and its kernel handles.
//
// Windows answers GetGuiResources for the object counts. Wine answers it with a stub (0 and
// ERROR_CALL_NOT_IMPLEMENTED), so there the counts are taken another way, named in `gdiSource` and
// `userSource`: the GDI objects are the used entries of the process's GDI handle table (the table the
// process environment block points at, or on 64-bit Wine for a 32-bit process its 64-bit block one
// page below; read with ReadProcessMemory; the way is checked on this test
// process first), and the USER objects are the process's windows, top-level, child and message-only.
// Where the memory counters and the handle count read 0 (Wine, for another process), the private
// memory is the process's committed private regions (VirtualQueryEx) and the handles are its entries
// in the system's handle list.

#include <windows.h>

#include <string>

struct ProcessUsage {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateBytes = 0;
    DWORD handles = 0;
    std::string gdiSource;  // how each was counted
    std::string userSource;
    std::string memorySource;
    std::string handleSource;
};

// Throws std::runtime_error when a count cannot be taken.
ProcessUsage UsageOf(HANDLE process, DWORD processId);
