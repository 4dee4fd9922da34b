#pragma once
// Test double of the image-list interface: one picture with a known pattern, tiled by ClipDraw. The
// panel's own behaviour is tested against it, apart from any real list's storage.

#include <windows.h>

#include "base/handles_win.h"
#include "widgets/imagelist_win.h"

// The pattern's colour at a point of the picture: every pixel of a small picture differs.
inline COLORREF PatternAt(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, (x * 3 + y * 5) & 0xFF);
}

class PictureList : public TLMDCustomImageList {
public:
    PictureList(int width, int height) : TLMDCustomImageList(nullptr), width_(width), height_(height) {
        WindowDC screen(nullptr);
        picture_.reset(CreateCompatibleBitmap(screen.get(), width, height));
        ScopedSelect select(dc_.get(), picture_.get());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                SetPixel(dc_.get(), x, y, PatternAt(x, y));
    }

    bool IsValidItem(int listIndex, int imageIndex) const override { return listIndex == 0 && picture_; }
    void ClipDraw(TCanvas& canvas, const RECT& rect, uint16_t flags, int x, int y, int listIndex, int imageIndex)
        override {
        ++draws;
        ScopedSelect select(dc_.get(), picture_.get());
        for (LONG top = rect.top; top < rect.bottom; top += height_)
            for (LONG left = rect.left; left < rect.right; left += width_)
                BitBlt(canvas.Handle(), left, top, width_, height_, dc_.get(), 0, 0, SRCCOPY);
    }
    HPALETTE Palette(int listIndex) const override { return nullptr; }

    int draws = 0;

private:
    int width_, height_;
    UniqueMemoryDC dc_{CreateCompatibleDC(nullptr)};
    UniqueBitmap picture_;
};

// The tiled picture's colour at a point.
inline COLORREF TiledAt(int x, int y, int width, int height) {
    return PatternAt(x % width, y % height);
}
