#include "shell/lazyimports_win.h"

#include <shellapi.h>

#include "base/systemlibrary_win.h"

namespace {

// Each library is loaded once, at the first call of one of its functions, and stays.
SystemLibrary& Oleacc() {
    static SystemLibrary library("oleacc.dll");
    return library;
}

SystemLibrary& Oleaut32() {
    static SystemLibrary library("oleaut32.dll");
    return library;
}

SystemLibrary& Shell32() {
    static SystemLibrary library("shell32.dll");
    return library;
}

}  // namespace

namespace lazy {

HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object) {
    static SystemFunction<decltype(::CreateStdAccessibleObject), HRESULT> function(Oleacc(),
                                                                                   "CreateStdAccessibleObject", E_FAIL);
    return function(window, objectId, iid, object);
}

LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
    static SystemFunction<decltype(::LresultFromObject), LRESULT> function(Oleacc(), "LresultFromObject",
                                                                           static_cast<LRESULT>(E_FAIL));
    return function(iid, wParam, object);
}

HRESULT AccessibleObjectFromWindow(HWND window, DWORD objectId, REFIID iid, void** object) {
    static SystemFunction<decltype(::AccessibleObjectFromWindow), HRESULT> function(
        Oleacc(), "AccessibleObjectFromWindow", E_FAIL);
    return function(window, objectId, iid, object);
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    static SystemFunction<decltype(::SysAllocStringLen), BSTR> function(Oleaut32(), "SysAllocStringLen", nullptr);
    return function(text, length);
}

HINSTANCE ShellExecuteA(HWND window,
                        const char* verb,
                        const char* file,
                        const char* parameters,
                        const char* folder,
                        int show) {
    static SystemFunction<decltype(::ShellExecuteA), HINSTANCE> function(
        Shell32(), "ShellExecuteA", reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND)));
    return function(window, verb, file, parameters, folder, show);
}

}  // namespace lazy
