#pragma once
// Test helper: paints a control's window picture, with its windowless children, into a memory bitmap
// and reads the pixels back.

#include <windows.h>

#include <optional>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/wincontrol_win.h"
#include "tests/common/pixels_win.h"

class Snapshot {
public:
    Snapshot(TWinControl& control, int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        ScopedSelect select(dc_.get(), bitmap_.get());
        RECT all{0, 0, width, height};
        UniqueBrush white(CreateSolidBrush(RGB(255, 255, 255)));
        FillRect(dc_.get(), &all, white.get());
        control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc_.get()), 0);
        pixels_.emplace(dc_.get(), width, height);
    }
    COLORREF At(int x, int y) const { return pixels_->At(x, y); }

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    std::optional<TPixelGrid> pixels_;
};
