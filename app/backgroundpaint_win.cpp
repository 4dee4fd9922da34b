#include "app/backgroundpaint_win.h"

#include "base/handles_win.h"

void PaintBackground(TCanvas& canvas, const TBitmap& bitmap) {
    HDC dc = canvas.Handle();
    if (!dc || bitmap.Empty())
        return;
    UniqueMemoryDC source(CreateCompatibleDC(dc));
    if (!source)
        return;
    HPALETTE previous = nullptr;
    if (bitmap.Palette()) {
        previous = SelectPalette(dc, bitmap.Palette(), TRUE);
        RealizePalette(dc);
    }
    {
        ScopedSelect select(source.get(), bitmap.Handle());
        BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), source.get(), 0, 0, SRCCOPY);
    }
    if (previous)
        SelectPalette(dc, previous, TRUE);
}
