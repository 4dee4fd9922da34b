#pragma once
// The system functions that only a screen reader's questions and a launch need, from libraries the
// program loads at their first call (OLEACC, OLEAUT32, SHELL32 and what SHELL32 brings along):
// imported, they were loaded and initialised at every start. Each answers as the failed call would
// when its library or function cannot be had.

#include <windows.h>

#include <oleacc.h>

namespace lazy {

// E_FAIL without the library.
HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object);
// E_FAIL without the library, which the window answers WM_GETOBJECT with.
LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);
// E_FAIL without the library.
HRESULT AccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID iid, void** object);
// Null without the library, as when there is no memory.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// SE_ERR_DLLNOTFOUND without the library.
HINSTANCE ShellExecuteA(HWND window,
                        const char* verb,
                        const char* file,
                        const char* parameters,
                        const char* folder,
                        int show);

}  // namespace lazy
