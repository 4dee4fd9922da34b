#pragma once
// Shared by the bitmap list tests: a drawing target read back pixel by pixel, and list items holding
// testbmp::Rgb24 pictures.

#include <windows.h>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "base/memorystream.h"
#include "tests/common/bmpbuilder.h"
#include "widgets/bitmaplist_win.h"

namespace bitmaplisttest {

constexpr COLORREF kFill = RGB(1, 2, 3);

// A 32-bit drawing target filled with kFill.
class Surface {
public:
    Surface(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        selected_ = ScopedSelect(dc_.get(), bitmap_.get());
        canvas.SetHandle(dc_.get());
        RECT all{0, 0, width, height};
        UniqueBrush brush(CreateSolidBrush(kFill));
        FillRect(dc_.get(), &all, brush.get());
    }
    ~Surface() { canvas.SetHandle(nullptr); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    COLORREF At(int x, int y) { return GetPixel(dc_.get(), x, y); }
    TCanvas canvas;

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    ScopedSelect selected_;  // the bitmap in dc_, until the surface goes
};

// testbmp::Rgb24's pixel (x, y): blue x, green y, red 0x80.
inline COLORREF Rgb24At(int x, int y) {
    return RGB(0x80, y, x);
}

// A new item of the list (owned, not listed) holding a width x height testbmp::Rgb24 picture.
inline TLMDBitmapListItem* NewItem(TLMDBitmapList& list, int width, int height) {
    auto* item = new TLMDBitmapListItem(&list);
    TMemoryStream file(testbmp::Build(testbmp::Rgb24(width, height)));
    item->Bitmap().LoadFromStream(file);
    return item;
}

}  // namespace bitmaplisttest
