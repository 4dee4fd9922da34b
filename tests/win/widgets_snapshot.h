#pragma once
// Test helper: paints a control's window picture, with its windowless children, into a memory bitmap
// and reads the pixels back.

#include <windows.h>

#include "shell/wincontrol_win.h"
#include "tests/common/pixels_win.h"

class Snapshot : public TPixelGrid {
public:
    Snapshot(TWinControl& control, int width, int height)
        : TPixelGrid(OfPainting(width, height, RGB(255, 255, 255), [&control](HDC dc) {
              control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
          })) {}
};
