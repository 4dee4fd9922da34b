#pragma once
// Reads another process's window as a screen reader does: the window's accessible client object
// from AccessibleObjectFromWindow, asked through IAccessible across the process boundary.

#include <windows.h>

#include <oleacc.h>

#include <string>

class AccessibleReader {
public:
    // The client object of the window (OBJID_CLIENT); Valid() tells whether the window gave one.
    explicit AccessibleReader(HWND window);
    // The object a screen reader finds at a screen point, and the child there.
    static AccessibleReader AtPoint(POINT screen, long* child);
    // The object an event names (its window, object id and child id), and the child it means.
    static AccessibleReader FromEvent(HWND window, long objectId, long childId, long* child);
    // Takes over one reference to the object (nullptr: not valid).
    static AccessibleReader Adopt(IAccessible* object);
    ~AccessibleReader();
    AccessibleReader(AccessibleReader&& other) noexcept;
    AccessibleReader(const AccessibleReader&) = delete;
    AccessibleReader& operator=(const AccessibleReader&) = delete;
    AccessibleReader& operator=(AccessibleReader&&) = delete;

    bool Valid() const { return object_ != nullptr; }
    IAccessible* Object() const { return object_; }

    long ChildCount() const;
    std::string Name(long child) const;
    std::string Shortcut(long child) const;
    std::string DefaultAction(long child) const;
    long Role(long child) const;
    long State(long child) const;
    RECT Location(long child) const;
    // The child id at a screen point (CHILDID_SELF for the object itself, -1 outside it).
    long HitTest(POINT screen) const;
    // The child id that has the keyboard focus (CHILDID_SELF: the object itself), -1 when none has.
    long Focus() const;
    // The child id that the navigation reaches, or -1.
    long Navigate(long direction, long from) const;
    HRESULT DoDefaultAction(long child) const;
    // The last failure of a call (S_OK when the last call succeeded).
    HRESULT LastResult() const { return last_; }

private:
    AccessibleReader() = default;
    IAccessible* object_ = nullptr;
    mutable HRESULT last_ = S_OK;
};

// Initialises COM for the calling thread for the scope of the object.
class ComScope {
public:
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};
