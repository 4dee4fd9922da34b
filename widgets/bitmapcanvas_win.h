#pragma once
// The drawing surface of a bitmap: a canvas over a memory device context that holds the bitmap, made
// when first needed. A bitmap can be selected into one device context at a time: release the surface
// before the bitmap changes or is read with GetDIBits.

#include <windows.h>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/bitmap_win.h"
#include "shell/canvas_win.h"

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override { FreeHandle(); }

    // Takes the bitmap out of the device context and deletes the context.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    const TBitmap& bitmap_;
    UniqueMemoryDC dc_;
    ScopedSelect selected_;  // the bitmap in dc_
};
