#pragma once
// Move-only owners for Win32 handles: each closes exactly what it holds, once. Access the raw
// handle with get(); there is no implicit conversion, so a raw handle never outlives its owner
// by accident.

#include <windows.h>

#include <utility>

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Handle handle = Traits::Invalid()) {
        if (Traits::Valid(handle_))
            Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

namespace handle_traits {
struct File {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct Find {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct Key {
    static HKEY Invalid() { return nullptr; }
    static bool Valid(HKEY h) { return h != nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
template <typename T>
struct Gdi {
    static T Invalid() { return nullptr; }
    static bool Valid(T h) { return h != nullptr; }
    static void Close(T h) { DeleteObject(h); }
};
struct Icon {
    static HICON Invalid() { return nullptr; }
    static bool Valid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
struct MemoryDC {
    static HDC Invalid() { return nullptr; }
    static bool Valid(HDC h) { return h != nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
struct Window {
    static HWND Invalid() { return nullptr; }
    static bool Valid(HWND h) { return h != nullptr; }
    static void Close(HWND h) { DestroyWindow(h); }
};
// A COM interface pointer: the owner holds one reference and releases it.
template <typename T>
struct ComObject {
    static T* Invalid() { return nullptr; }
    static bool Valid(T* p) { return p != nullptr; }
    static void Close(T* p) { p->Release(); }
};
}  // namespace handle_traits

using UniqueFile = UniqueHandle<HANDLE, handle_traits::File>;
using UniqueFind = UniqueHandle<HANDLE, handle_traits::Find>;
using UniqueKey = UniqueHandle<HKEY, handle_traits::Key>;
using UniqueBitmap = UniqueHandle<HBITMAP, handle_traits::Gdi<HBITMAP>>;
using UniquePalette = UniqueHandle<HPALETTE, handle_traits::Gdi<HPALETTE>>;
using UniqueFont = UniqueHandle<HFONT, handle_traits::Gdi<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, handle_traits::Gdi<HBRUSH>>;
using UniqueRegion = UniqueHandle<HRGN, handle_traits::Gdi<HRGN>>;
using UniqueIcon = UniqueHandle<HICON, handle_traits::Icon>;
using UniqueMemoryDC = UniqueHandle<HDC, handle_traits::MemoryDC>;
using UniqueWindow = UniqueHandle<HWND, handle_traits::Window>;
template <typename T>
using UniqueCom = UniqueHandle<T*, handle_traits::ComObject<T>>;
