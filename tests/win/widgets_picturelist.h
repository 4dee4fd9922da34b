#pragma once
// Test helper: a bitmap list holding one picture with a known pattern (every pixel of a picture up
// to 256 x 256 differs), which counts how often the panel has it draw.

#include <windows.h>

#include "base/memorystream.h"
#include "tests/common/bmpbuilder.h"
#include "widgets/bitmaplist_win.h"

// The pattern's colour at a point of the picture (testbmp::Rgb24).
inline COLORREF PatternAt(int x, int y) {
    return RGB(0x80, y & 0xFF, x & 0xFF);
}

// The tiled picture's colour at a point.
inline COLORREF TiledAt(int x, int y, int width, int height) {
    return PatternAt(x % width, y % height);
}

class PictureList : public TLMDBitmapList {
public:
    PictureList(int width, int height) : TLMDBitmapList(nullptr) { AddPicture(width, height); }

    // Appends another item with the pattern at the size (the list announces the change).
    void AddPicture(int width, int height) {
        auto* item = new TLMDBitmapListItem(this);
        TMemoryStream file(testbmp::Build(testbmp::Rgb24(width, height)));
        item->Bitmap().LoadFromStream(file);
        Add(item);
    }

    void ClipDraw(TCanvas& canvas,
                  const RECT& rect,
                  uint16_t flags,
                  int clipOffset,
                  TColor color,
                  int listIndex,
                  int imageIndex,
                  HBITMAP mask = nullptr) override {
        ++draws;
        TLMDBitmapList::ClipDraw(canvas, rect, flags, clipOffset, color, listIndex, imageIndex, mask);
    }

    int draws = 0;
};
