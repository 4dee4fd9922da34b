#pragma once
// The pixels of a device context's area from (0, 0), read once (GetPixel, row by row) for a test to
// look at afterwards: from a memory surface, one painted for the purpose, or from a window as it
// shows on the screen.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "base/dcguards_win.h"
#include "base/handles_win.h"

class TPixelGrid {
public:
    TPixelGrid(HDC dc, int width, int height) : width_(width), height_(height) {
        pixels_.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels_.push_back(GetPixel(dc, x, y));
    }
    // The client area of a window, through its own device context.
    static TPixelGrid OfWindow(HWND window, int width, int height) {
        const WindowDC dc(window);
        return TPixelGrid(dc.get(), width, height);
    }
    // A new 32-bit memory surface of the size, filled with `background`, once `paint(dc)` drew on it.
    template <typename Paint>
    static TPixelGrid OfPainting(int width, int height, COLORREF background, Paint&& paint) {
        const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
        const UniqueBitmap bitmap(CreateBitmap(width, height, 1, 32, nullptr));
        const ScopedSelect select(dc.get(), bitmap.get());
        const RECT all{0, 0, width, height};
        const UniqueBrush brush(CreateSolidBrush(background));
        FillRect(dc.get(), &all, brush.get());
        paint(dc.get());
        return TPixelGrid(dc.get(), width, height);
    }

    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + x]; }
    // How many pixels of the rectangle (cut to the grid) have the colour.
    int Count(RECT r, COLORREF colour) const {
        int n = 0;
        for (LONG y = std::max(0L, r.top); y < std::min<LONG>(height_, r.bottom); ++y)
            for (LONG x = std::max(0L, r.left); x < std::min<LONG>(width_, r.right); ++x)
                n += At(x, y) == colour;
        return n;
    }
    // How many pixels differ from `expected(x, y)`.
    template <typename Expected>
    int Mismatches(Expected&& expected) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += At(x, y) != expected(x, y);
        return n;
    }

private:
    int width_, height_;
    std::vector<COLORREF> pixels_;
};
