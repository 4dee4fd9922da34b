#include "widgets/bitmapcanvas_win.h"

void TBitmapCanvas::CreateHandle() {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return;
    selected_.reset();
    dc_ = std::move(dc);
    selected_ = ScopedSelect(dc_.get(), bitmap_.Handle());
    SetHandle(dc_.get());
}

void TBitmapCanvas::FreeHandle() {
    if (!dc_)
        return;
    SetHandle(nullptr);
    selected_.reset();  // the bitmap leaves the context before the context goes
    dc_.reset();
}
