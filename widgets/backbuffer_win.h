#pragma once
// An off-screen picture with a canvas: a bitmap compatible with the screen, selected into a memory
// device context of its own. Panels render their background into one and copy from it when painting.

#include <windows.h>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/canvas_win.h"
#include "widgets/lookstamp.h"

class TLMDBackBuffer {
public:
    // Raises EOutOfResources when the system has no memory device context to give.
    TLMDBackBuffer();
    ~TLMDBackBuffer();
    TLMDBackBuffer(const TLMDBackBuffer&) = delete;
    TLMDBackBuffer& operator=(const TLMDBackBuffer&) = delete;

    // A new picture of the size, contents undefined. Raises EOutOfResources with the system's reason
    // when the bitmap cannot be made; the buffer then holds no picture (size 0 x 0).
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The canvas to draw the picture with; asking for it renews the stamp.
    TCanvas& Canvas() {
        stamp_ = NextLookStamp();
        return canvas_;
    }
    // The context to copy the picture from.
    HDC DC() const { return dc_.get(); }
    // Renewed whenever the picture may have changed: kept copies of it are stale once it differs.
    uint64_t Stamp() const { return stamp_; }

    // The palette of the picture drawn into the buffer, if any (not owned).
    HPALETTE Palette() const { return palette_; }
    void SetPalette(HPALETTE palette) { palette_ = palette; }

private:
    void DropBitmap();

    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    ScopedSelect selected_;  // bitmap_ in dc_
    TCanvas canvas_;
    int width_ = 0, height_ = 0;
    uint64_t stamp_ = NextLookStamp();
    HPALETTE palette_ = nullptr;
};
