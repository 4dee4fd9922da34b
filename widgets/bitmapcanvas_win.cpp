#include "widgets/bitmapcanvas_win.h"

void TBitmapCanvas::CreateHandle() {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return;
    previous_ = bitmap_.Handle() ? SelectObject(dc.get(), bitmap_.Handle()) : nullptr;
    dc_ = std::move(dc);
    SetHandle(dc_.get());
}

void TBitmapCanvas::FreeHandle() {
    if (!dc_)
        return;
    SetHandle(nullptr);
    if (previous_)
        SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    dc_.reset();
}
