#include "widgets/backbuffer_win.h"

#include "base/dcguards_win.h"
#include "base/syserror_win.h"

TLMDBackBuffer::TLMDBackBuffer() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_)
        RaiseOutOfResources(GetLastError());
    canvas_.SetHandle(dc_.get());
}

TLMDBackBuffer::~TLMDBackBuffer() {
    canvas_.SetHandle(nullptr);
}

void TLMDBackBuffer::DropBitmap() {
    selected_.reset();
    bitmap_.reset();
    width_ = height_ = 0;
}

void TLMDBackBuffer::SetSize(int width, int height) {
    stamp_ = NextLookStamp();
    DropBitmap();
    if (width <= 0 || height <= 0)
        return;
    WindowDC screen(nullptr);
    SetLastError(0);
    UniqueBitmap bitmap(screen ? CreateCompatibleBitmap(screen.get(), width, height) : nullptr);
    if (!bitmap)
        RaiseOutOfResources(GetLastError());
    selected_ = ScopedSelect(dc_.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
}
