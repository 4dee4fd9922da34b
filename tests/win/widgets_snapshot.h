#pragma once
// Test helper: paints a control's window picture, with its windowless children, into a memory bitmap
// and reads the pixels back.

#include <windows.h>

#include <vector>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/wincontrol_win.h"

class Snapshot {
public:
    Snapshot(TWinControl& control, int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        ScopedSelect select(dc_.get(), bitmap_.get());
        RECT all{0, 0, width, height};
        UniqueBrush white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(dc_.get(), &all, white.get());
        control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc_.get()), 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels_.push_back(GetPixel(dc_.get(), x, y));
        width_ = width;
    }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    std::vector<COLORREF> pixels_;
    int width_ = 0;
};
