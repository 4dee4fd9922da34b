#pragma once
// Paints the menu's background bitmap at the client origin of a canvas. Used by the menu window while
// it draws its background itself.

#include "shell/bitmap_win.h"
#include "shell/canvas_win.h"

void PaintBackground(TCanvas& canvas, const TBitmap& bitmap);
