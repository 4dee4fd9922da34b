#pragma once
// Drawing a picture onto a canvas with the image lists' draw flags (widgets/drawflags.h).

#include <windows.h>

#include <cstdint>

#include "settings/color.h"
#include "shell/canvas_win.h"

struct TDrawSource {
    HDC dc = nullptr;  // holds the picture
    int width = 0, height = 0;
    HPALETTE palette = nullptr;
    TColor transparentColor = clWhite;  // for kDrawBrushCopy
    HBITMAP mask = nullptr;             // for kDrawMasked: monochrome, white where the target stays
};

// Draws the source into rect on the canvas. Tiles start at rect's top-left corner and the last row and
// column overshoot rect; only what the target's clip box shows is drawn. With kDrawClip, drawing is
// clipped to rect moved by (low 16 bits, high 16 bits) of clipOffset, and the clipping is restored
// afterwards, as is the palette of kDrawPalette.
void DrawPicture(TCanvas& canvas,
                 const RECT& rect,
                 uint16_t flags,
                 int32_t clipOffset,
                 TColor color,
                 const TDrawSource& source);
