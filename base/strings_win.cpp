#include <windows.h>

#include "base/strings.h"

std::string LoadStr(StrId id) {
    // String-table entries are short; 1024 bytes hold every one of ours with room to spare.
    char buffer[1024];
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
