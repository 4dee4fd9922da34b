#include "tests/process/process_usage_win.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "base/handles_win.h"

namespace {

// One entry of the GDI handle table, as the system keeps it for each GDI handle; `type` is 0 for a
// free entry.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the table's entries are 24 bytes on both word sizes");
constexpr size_t kGdiTableEntries = 0x10000;
// Where the process environment block keeps the table's address.
constexpr size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
// A 32-bit process on 64-bit Wine also has a 64-bit environment block, one page below its own, and
// there Wine keeps the table's address (at the 64-bit offset); the 32-bit one reads 0.
constexpr ptrdiff_t kWow64PebOffset = -0x1000;
constexpr size_t kPeb64GdiTableOffset = 0xF8;

// The table's address read from the process's environment block; 0 when it keeps none there.
uint64_t GdiTableAddress(HANDLE process, const char* peb, ptrdiff_t pebOffset, size_t tableOffset) {
    uint64_t table = 0;
    if (!ReadProcessMemory(process, peb + pebOffset + tableOffset, &table, sizeof(void*), nullptr))
        return 0;
    return table;
}

// The used entries of the process's GDI handle table; throws when the table cannot be read.
DWORD UsedGdiEntries(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        throw std::runtime_error("cannot find the process environment block");
    const auto* peb = static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress));
    uint64_t table = GdiTableAddress(process, peb, 0, kPebGdiTableOffset);
    BOOL wow64 = FALSE;
    if (!table && sizeof(void*) == 4 && IsWow64Process(process, &wow64) && wow64)
        table = GdiTableAddress(process, peb, kWow64PebOffset, kPeb64GdiTableOffset);
    if (!table || table > UINTPTR_MAX)
        throw std::runtime_error("the process has no GDI handle table");
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(table)), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), nullptr))
        throw std::runtime_error("cannot read the GDI handle table");
    DWORD used = 0;
    for (const GdiHandleEntry& entry : entries)
        used += entry.type != 0;
    return used;
}

// Whether the table counts GDI objects here: this process's count follows brushes made and deleted.
void CheckGdiTableReading() {
    static const bool checked = [] {
        const DWORD before = UsedGdiEntries(GetCurrentProcess());
        std::vector<UniqueBrush> brushes;
        for (int i = 0; i < 8; ++i)
            brushes.emplace_back(CreateSolidBrush(RGB(i, 2, 3)));
        const DWORD during = UsedGdiEntries(GetCurrentProcess());
        brushes.clear();
        const DWORD after = UsedGdiEntries(GetCurrentProcess());
        return during == before + 8 && after == before;
    }();
    if (!checked)
        throw std::runtime_error("the GDI handle table does not follow the objects made here: it cannot be counted");
}

struct WindowCount {
    DWORD processId;
    DWORD count = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* windows = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows->processId)
        ++windows->count;
    return TRUE;
}

// A top-level or message-only window of the process with all its descendants.
void CountTree(HWND window, WindowCount& windows) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != windows.processId)
        return;
    ++windows.count;
    EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&windows));
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    CountTree(window, *reinterpret_cast<WindowCount*>(param));
    return TRUE;
}

DWORD WindowsOf(DWORD processId) {
    WindowCount windows{processId};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        CountTree(w, windows);
    return windows.count;
}

// The committed private memory of the process, region by region.
SIZE_T CommittedPrivateBytes(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
    }
    return total;
}

// The process's entries in the system's list of open handles.
DWORD ListedHandles(DWORD processId) {
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                                              &needed)) == static_cast<NTSTATUS>(0xC0000004))  // length mismatch
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed));
    if (status != 0)
        throw std::runtime_error("cannot list the system's handles");
    const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    DWORD count = 0;
    for (ULONG i = 0; i < list->Count; ++i)
        count += list->Handle[i].OwnerPid == processId;
    return count;
}

}  // namespace

ProcessUsage UsageOf(HANDLE process, DWORD processId) {
    ProcessUsage usage;
    SetLastError(0);
    usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    if (usage.gdiObjects == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        CheckGdiTableReading();
        usage.gdiObjects = UsedGdiEntries(process);
        usage.gdiSource = "used entries of the process's GDI handle table (GetGuiResources is a stub here)";
    } else {
        usage.gdiSource = "GetGuiResources";
    }
    SetLastError(0);
    usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    if (usage.userObjects == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        usage.userObjects = WindowsOf(processId);
        usage.userSource = "the process's windows (GetGuiResources is a stub here)";
    } else {
        usage.userSource = "GetGuiResources";
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        throw std::runtime_error("cannot read the process's memory counters");
    usage.privateBytes = memory.PrivateUsage;
    usage.memorySource = "PrivateUsage";
    if (usage.privateBytes == 0) {  // no process runs without private memory: not counted here
        usage.privateBytes = CommittedPrivateBytes(process);
        usage.memorySource = "committed private regions (the memory counters read 0 here)";
    }
    if (!GetProcessHandleCount(process, &usage.handles))
        throw std::runtime_error("cannot read the process's handle count");
    usage.handleSource = "GetProcessHandleCount";
    if (usage.handles == 0) {  // nor without handles
        usage.handles = ListedHandles(processId);
        usage.handleSource = "the system's handle list (GetProcessHandleCount reads 0 here)";
    }
    if (usage.privateBytes == 0 || usage.handles == 0)
        throw std::runtime_error("the process's memory or handles cannot be counted here");
    return usage;
}
