#include "base/systemlibrary_win.h"

#include <string>

FARPROC SystemLibrary::Find(const char* function) {
    const DWORD callersError = GetLastError();
    if (!tried_) {
        tried_ = true;
        // From the system folder only: the program runs from a disc or stick, whose root must not
        // be able to put a library of the same name in the system's place.
        char folder[MAX_PATH];
        const UINT length = GetSystemDirectoryA(folder, sizeof folder);
        if (length == 0 || length >= sizeof folder) {
            loadError_ = length ? ERROR_BUFFER_OVERFLOW : GetLastError();
        } else {
            module_ = LoadLibraryA((std::string(folder, length) + "\\" + fileName_).c_str());
            loadError_ = module_ ? ERROR_SUCCESS : GetLastError();
        }
    }
    if (!module_) {
        SetLastError(loadError_);
        return nullptr;
    }
    const FARPROC found = GetProcAddress(module_, function);
    if (found)
        SetLastError(callersError);
    return found;
}
