#pragma once
// Scope guards for device contexts: each acquires one thing (a context, a saved state, a selected
// object, a moved origin, a narrower clip) and gives exactly that back when its scope ends, also when
// an exception leaves the scope. Move-only: a moved-from guard gives back nothing. Access the context
// with get(); there is no implicit conversion.

#include <windows.h>

#include <utility>

// What a guard holds: the context and what it needs to give back. A guard without a context (the
// acquisition failed, or it was moved from) does nothing.
template <typename Saved, void (*Restore)(HDC, Saved&)>
class ScopedDCState {
public:
    ScopedDCState() = default;
    ~ScopedDCState() { reset(); }
    ScopedDCState(ScopedDCState&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), saved_(std::move(other.saved_)) {}
    ScopedDCState& operator=(ScopedDCState&& other) noexcept {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
            saved_ = std::move(other.saved_);
        }
        return *this;
    }
    ScopedDCState(const ScopedDCState&) = delete;
    ScopedDCState& operator=(const ScopedDCState&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // Gives back now what the guard holds.
    void reset() {
        if (HDC dc = std::exchange(dc_, nullptr))
            Restore(dc, saved_);
    }

protected:
    // Takes charge of an acquisition (nothing when dc is nullptr).
    void Hold(HDC dc, Saved saved) {
        reset();
        dc_ = dc;
        saved_ = std::move(saved);
    }
    const Saved& saved() const { return saved_; }

private:
    HDC dc_ = nullptr;
    Saved saved_{};
};

namespace dc_restore {
inline void Release(HDC dc, HWND& window) {
    ReleaseDC(window, dc);
}
struct Painting {
    HWND window;
    PAINTSTRUCT paint;
};
inline void EndPainting(HDC, Painting& painting) {
    EndPaint(painting.window, &painting.paint);
}
inline void Restore(HDC dc, int& saved) {
    RestoreDC(dc, saved);
}
inline void Select(HDC dc, HGDIOBJ& previous) {
    SelectObject(dc, previous);
}
struct PaletteChoice {
    HPALETTE previous;
    BOOL background;
};
inline void SelectPaletteBack(HDC dc, PaletteChoice& choice) {
    SelectPalette(dc, choice.previous, choice.background);
}
inline void MoveOriginBack(HDC dc, POINT& origin) {
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}
// The clip region before (a copy the guard owns), or nullptr when there was none. GetClipRgn and
// SelectClipRgn both work in device coordinates, so the saved region fits as it is.
inline void ClipBack(HDC dc, HRGN& previous) {
    SelectClipRgn(dc, previous);
    if (previous)
        DeleteObject(std::exchange(previous, nullptr));
}
inline void CharacterExtraBack(HDC dc, int& previous) {
    // SetTextCharacterExtra answers 0x80000000 when it fails: nothing was set, 0 is the default.
    SetTextCharacterExtra(dc, previous == static_cast<int>(0x80000000) ? 0 : previous);
}
}  // namespace dc_restore

// A window's or the screen's device context from GetDC, released with ReleaseDC.
class WindowDC : public ScopedDCState<HWND, dc_restore::Release> {
public:
    WindowDC() = default;
    explicit WindowDC(HWND window) { Hold(GetDC(window), window); }
    HWND window() const { return saved(); }
};

// BeginPaint on construction, EndPaint at the end of the scope.
class PaintDC : public ScopedDCState<dc_restore::Painting, dc_restore::EndPainting> {
public:
    explicit PaintDC(HWND window) {
        dc_restore::Painting painting{window, {}};
        HDC dc = BeginPaint(window, &painting.paint);
        Hold(dc, painting);
    }
    const RECT& area() const { return saved().paint.rcPaint; }
};

// The whole state of a context (selected objects, colours, origin, clip) saved with SaveDC and put
// back with RestoreDC, including whatever was changed and not undone inside the scope.
class SavedDC : public ScopedDCState<int, dc_restore::Restore> {
public:
    explicit SavedDC(HDC dc) {
        const int saved = SaveDC(dc);
        Hold(saved ? dc : nullptr, saved);
    }
};

// Selects a GDI object into a device context for this scope and selects the previous one back.
// A null object selects nothing.
class ScopedSelect : public ScopedDCState<HGDIOBJ, dc_restore::Select> {
public:
    ScopedSelect() = default;
    ScopedSelect(HDC dc, HGDIOBJ object) {
        HGDIOBJ previous = object ? SelectObject(dc, object) : nullptr;
        Hold(previous ? dc : nullptr, previous);
    }
};

// Selects and realises a logical palette for this scope (as a background palette when asked) and
// selects the previous palette back. A null palette selects nothing.
class ScopedPalette : public ScopedDCState<dc_restore::PaletteChoice, dc_restore::SelectPaletteBack> {
public:
    ScopedPalette(HDC dc, HPALETTE palette, bool background = false) {
        HPALETTE previous = palette ? SelectPalette(dc, palette, background) : nullptr;
        if (!previous)
            return;
        RealizePalette(dc);
        Hold(dc, dc_restore::PaletteChoice{previous, background});
    }
};

// Moves the viewport origin by an offset for this scope and puts the previous origin back.
class ScopedViewportOffset : public ScopedDCState<POINT, dc_restore::MoveOriginBack> {
public:
    ScopedViewportOffset(HDC dc, int dx, int dy) {
        POINT previous{};
        if (OffsetViewportOrgEx(dc, dx, dy, &previous))
            Hold(dc, previous);
    }
};

// Narrows the clip region to a rectangle (in logical units) for this scope and puts the previous
// clip region back, or none when there was none.
class ScopedClipRect : public ScopedDCState<HRGN, dc_restore::ClipBack> {
public:
    ScopedClipRect(HDC dc, const RECT& rect) {
        HRGN previous = CreateRectRgn(0, 0, 0, 0);
        if (previous && GetClipRgn(dc, previous) != 1) {
            DeleteObject(previous);
            previous = nullptr;
        }
        Hold(dc, previous);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
};

// Adds extra pixels between characters (SetTextCharacterExtra) for this scope and puts the previous
// spacing back; 0 changes nothing.
class ScopedCharacterExtra : public ScopedDCState<int, dc_restore::CharacterExtraBack> {
public:
    ScopedCharacterExtra(HDC dc, int extra) {
        if (extra != 0)
            Hold(dc, SetTextCharacterExtra(dc, extra));
    }
};
