#include "shell/controlcanvas_win.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/dcguards_win.h"
#include "shell/wincontrol_win.h"

namespace {
std::vector<TControlCanvas*>& CanvasesHoldingContexts() {
    static std::vector<TControlCanvas*> list;
    return list;
}
}  // namespace

TControlCanvas::TControlCanvas(TControl& control) : control_(control) {}

void TControlCanvas::ClipToControl(HDC dc, const TWinControl& parent) const {
    SetViewportOrgEx(dc, control_.Left(), control_.Top(), nullptr);
    if (control_.BoundsEmpty()) {
        IntersectClipRect(dc, 0, 0, 0, 0);
        return;
    }
    IntersectClipRect(dc, 0, 0, control_.Width(), control_.Height());
    // The windowless siblings created later lie on top of this control, as a full repaint of the
    // parent paints them: drawing outside a paint message must leave them alone.
    bool later = false;
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl* sibling = parent.Controls(i);
        if (sibling == &control_) {
            later = true;
            continue;
        }
        if (!later || !sibling->Visible() || sibling->BoundsEmpty() || dynamic_cast<const TWinControl*>(sibling))
            continue;
        const RECT r = sibling->BoundsRect();
        ExcludeClipRect(dc, SaturatedSub(r.left, control_.Left()), SaturatedSub(r.top, control_.Top()),
                        SaturatedSub(r.right, control_.Left()), SaturatedSub(r.bottom, control_.Top()));
    }
}

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
    obtained_.reset();
    auto& list = CanvasesHoldingContexts();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TControlCanvas::CreateHandle() {
    auto* windowed = dynamic_cast<TWinControl*>(&control_);
    TWinControl* host = windowed ? windowed : control_.Parent();
    if (!host || !host->HandleAllocated())
        return;
    WindowDC obtained(host->HandleIfAllocated());
    if (!obtained)
        return;
    // Released whole in FreeHandle, so the moved origin and the clip need no undoing.
    HDC dc = obtained.get();
    if (!windowed)
        ClipToControl(dc, *host);
    obtained_ = std::move(obtained);
    CanvasesHoldingContexts().push_back(this);
    SetHandle(dc);
}

void FreeDeviceContexts() {
    auto& list = CanvasesHoldingContexts();
    while (!list.empty())
        list.back()->FreeHandle();
}
