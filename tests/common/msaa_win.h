#pragma once
// Whether this system offers the standard accessible objects at all; where it does not, the
// screen-reader tests have nothing to read through and are skipped. Windows and Wine (32- and 64-bit)
// do. (A 64-bit build once looked as if it did not: it took IID_IAccessible from the oleacc import
// library, where it is a code stub, so every request named a wrong interface; see CMakeLists.txt.)
#include <windows.h>

#include <oleacc.h>

inline bool StandardAccessibleObjectsAvailable() {
    CoInitialize(nullptr);
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    IAccessible* object = nullptr;
    const HRESULT result =
        CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object));
    if (object)
        object->Release();
    DestroyWindow(window);
    CoUninitialize();
    return SUCCEEDED(result);
}

#define SKIP_WITHOUT_ACCESSIBLE_OBJECTS()      \
    if (!StandardAccessibleObjectsAvailable()) \
    GTEST_SKIP() << "this system has no standard accessible objects (64-bit Wine): nothing to read"
