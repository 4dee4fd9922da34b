#include "shell/customcontrol_win.h"

#include "base/scopeexit.h"

namespace {
// Draws through the canvas on a paint's device context, detaching it afterwards whatever happens.
template <typename Paint>
void PaintOn(TControlCanvas& canvas, HDC dc, Paint paint) {
    canvas.BeginPaintOn(dc);
    const ScopeExit detach([&canvas] { canvas.EndPaintOn(); });
    paint();
}
}  // namespace

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(*this) {}

TCustomControl::~TCustomControl() {
    BeginDestroying();
    canvas_.FreeHandle();
}

void TCustomControl::PaintWindow(HDC dc) {
    PaintOn(canvas_, dc, [this] { Paint(); });
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(*this) {}

TGraphicControl::~TGraphicControl() {
    BeginDestroying();
    canvas_.FreeHandle();
}

void TGraphicControl::BoundsChanged() {
    // A context obtained for the old place has the old origin and clip.
    canvas_.FreeHandle();
}

void TGraphicControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintOn(canvas_, reinterpret_cast<HDC>(message.WParam), [this] { Paint(); });
        return;
    }
    TControl::WndProc(message);
}
