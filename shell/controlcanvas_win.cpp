#include "shell/controlcanvas_win.h"

#include <algorithm>
#include <vector>

#include "shell/wincontrol_win.h"

namespace {
std::vector<TControlCanvas*>& CanvasesHoldingContexts() {
    static std::vector<TControlCanvas*> list;
    return list;
}
}  // namespace

TControlCanvas::TControlCanvas(TControl& control) : control_(control) {}

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::BeginPaintOn(HDC dc) {
    FreeHandle();
    SetHandle(dc);
}

void TControlCanvas::EndPaintOn() {
    SetHandle(nullptr);
}

void TControlCanvas::FreeHandle() {
    if (!obtained_)
        return;
    SetHandle(nullptr);
    ReleaseDC(window_, obtained_);
    obtained_ = nullptr;
    window_ = nullptr;
    auto& list = CanvasesHoldingContexts();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TControlCanvas::CreateHandle() {
    auto* windowed = dynamic_cast<TWinControl*>(&control_);
    TWinControl* host = windowed ? windowed : control_.Parent();
    if (!host || !host->HandleAllocated())
        return;
    HWND window = host->HandleIfAllocated();
    HDC dc = GetDC(window);
    if (!dc)
        return;
    if (!windowed) {
        SetViewportOrgEx(dc, control_.Left(), control_.Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control_.Width(), control_.Height());
    }
    window_ = window;
    obtained_ = dc;
    CanvasesHoldingContexts().push_back(this);
    SetHandle(dc);
}

void FreeDeviceContexts() {
    auto& list = CanvasesHoldingContexts();
    while (!list.empty())
        list.back()->FreeHandle();
}
