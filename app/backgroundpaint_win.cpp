#include "app/backgroundpaint_win.h"

#include "base/handles_win.h"

void PaintBackground(TCanvas& canvas, const TBitmap& bitmap) {
    HDC dc = canvas.Handle();
    if (!dc || bitmap.Empty())
        return;
    UniqueMemoryDC source(CreateCompatibleDC(dc));
    if (!source)
        return;
    const ScopedPalette palette(dc, bitmap.Palette(), true);
    const ScopedSelect select(source.get(), bitmap.Handle());
    BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), source.get(), 0, 0, SRCCOPY);
}
