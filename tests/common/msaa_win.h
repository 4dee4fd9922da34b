#pragma once
// Whether this system offers the standard accessible objects at all. Windows and 32-bit Wine do;
// 64-bit Wine 8 does not (CreateStdAccessibleObject answers E_NOINTERFACE even for a plain static
// window), so there the screen-reader tests have nothing to read through and are skipped.
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
