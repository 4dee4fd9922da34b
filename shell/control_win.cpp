#include "shell/control_win.h"

#include "base/dcguards_win.h"
#include "base/scopeexit.h"
#include "shell/accessibleelements_win.h"
#include "shell/application_win.h"
#include "shell/wincontrol_win.h"

namespace {
TControl* g_captureControl = nullptr;  // a windowless control holding its parent window's capture
}  // namespace

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

TControl* GetCaptureControl() {
    HWND window = GetCapture();
    if (!window)
        return nullptr;
    if (g_captureControl && g_captureControl->Parent() && g_captureControl->Parent()->HandleIfAllocated() == window)
        return g_captureControl;
    return FindControl(window);
}

TControl* ForgetCaptureControl(const TWinControl* parent) {
    TControl* captor = g_captureControl;
    if (!captor || captor->Parent() != parent)
        return nullptr;
    g_captureControl = nullptr;
    return captor;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this](TFont&) { FontChanged(); };
}

TControl::~TControl() {
    BeginDestroying();
    if (g_captureControl == this)
        g_captureControl = nullptr;
    if (Application)
        Application->ControlDestroying(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void InvalidateIfShown(HWND window, const RECT* area, bool erase) {
    // A window that cannot be seen is painted in full when it is shown, so marking parts of it
    // would be wasted: each mark is a round trip to the window system. A menu sets up all its
    // buttons before its window shows.
    if (IsWindowVisible(window))
        InvalidateRect(window, area, erase ? TRUE : FALSE);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const RECT old = BoundsRect();
    const bool visibleOnParent = visible_ && parent_ && parent_->HandleAllocated();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (visibleOnParent) {
        // A windowless control: the old and the new area of the parent both need repainting.
        InvalidateIfShown(parent_->HandleIfAllocated(), &old, true);
        Invalidate();
    }
    BoundsChanged();
    RequestAlign();
}

void TControl::SetAlign(TAlign align) {
    if (align_ == align)
        return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_ && align_ != alNone)
        parent_->AlignControls();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    if (parent == this)
        return;
    if (parent_) {
        if (visible_)
            Invalidate();
        parent_->RemoveControl(this);
    }
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    if (!visible)
        Invalidate();  // the parent repaints where we were
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible);
    RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
    NotifyAccessibleStateChange(this);
}

void TControl::SetCaption(const std::string& caption) {
    if (caption_ == caption)
        return;
    caption_ = caption;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
    if (color_ == color)
        return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool value) {
    if (parentFont_ == value)
        return;
    parentFont_ = value;
    if (value && parent_)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
    if (!fontFromParent_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::CMParentFontChanged(TMessage&) {
    if (!parentFont_ || !parent_)
        return;
    {
        const ScopedValue fromParent(fontFromParent_, true, false);
        font_.Assign(parent_->Font());
    }
    parentFont_ = true;  // a font-change handler may have cleared it while the copy went in
}

void TControl::CMVisibleChanged(TMessage&) {
    Invalidate();
}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated())
        return;
    const RECT area = BoundsRect();
    InvalidateIfShown(parent_->HandleIfAllocated(), &area, !(ControlStyle & csOpaque));
}

void TControl::Repaint() {
    if (!visible_ || !parent_ || !parent_->HandleAllocated())
        return;
    if (ControlStyle & csOpaque) {
        // Paint over what is there, this control and those created after it.
        const WindowDC dc(parent_->HandleIfAllocated());
        if (!dc)
            return;
        const ScopedClipRect clip(dc.get(), BoundsRect());
        parent_->PaintControls(dc.get(), this);
    } else {
        Invalidate();
        parent_->Update();
    }
}

void TControl::Update() {
    if (parent_)
        parent_->Update();
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage message{msg, wparam, lparam, 0};
    WndProc(message);
    return message.Result;
}

POINT TControl::ClientOrigin() const {
    POINT origin = parent_ ? parent_->ClientOrigin() : POINT{0, 0};
    origin.x = SaturatedAdd(origin.x, left_);
    origin.y = SaturatedAdd(origin.y, top_);
    return origin;
}

POINT TControl::ClientToScreen(POINT point) const {
    const POINT origin = ClientOrigin();
    return POINT{SaturatedAdd(point.x, origin.x), SaturatedAdd(point.y, origin.y)};
}

POINT TControl::ScreenToClient(POINT point) const {
    const POINT origin = ClientOrigin();
    return POINT{SaturatedSub(point.x, origin.x), SaturatedSub(point.y, origin.y)};
}

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture) {
    if (MouseCapture() == capture)
        return;
    if (!capture) {
        g_captureControl = nullptr;
        ReleaseCapture();
        return;
    }
    g_captureControl = nullptr;
    if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
        SetCapture(windowed->Handle());
    } else if (parent_ && parent_->HandleAllocated()) {
        SetCapture(parent_->HandleIfAllocated());
        g_captureControl = this;
    }
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::PerformMouse(TMessage& message, POINT local) {
    const ScopedValue<const POINT*> routed(routedPoint_, &local);
    WndProc(message);
}

void TControl::HandleMouse(TMessage& message) {
    const POINT p = routedPoint_ ? *routedPoint_ : MousePoint(message.LParam);
    TShiftState shift = MouseShiftState(message.WParam);
    switch (message.Msg) {
        case WM_MOUSEMOVE:
            MouseMove(shift, p.x, p.y);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            if (ControlStyle & csDoubleClicks)
                shift |= ssDouble;
            [[fallthrough]];
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const TMouseButton button = (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)   ? mbLeft
                                        : (message.Msg == WM_RBUTTONDOWN || message.Msg == WM_RBUTTONDBLCLK) ? mbRight
                                                                                                             : mbMiddle;
            if (button == mbLeft) {
                if (ControlStyle & csCaptureMouse)
                    SetMouseCapture(true);
                if (ControlStyle & csClickEvents)
                    clicked_ = true;
                if ((shift & ssDouble) && (ControlStyle & csClickEvents))
                    DblClick();
            }
            MouseDown(button, shift, p.x, p.y);
            break;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const TMouseButton button = message.Msg == WM_LBUTTONUP   ? mbLeft
                                        : message.Msg == WM_RBUTTONUP ? mbRight
                                                                      : mbMiddle;
            if (button == mbLeft) {
                if (ControlStyle & csCaptureMouse)
                    SetMouseCapture(false);
                if (clicked_) {
                    clicked_ = false;
                    const RECT client = ClientRect();
                    if (PtInRect(&client, p))
                        Click();
                }
            }
            MouseUp(button, shift, p.x, p.y);
            break;
        }
        default:
            break;
    }
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            HandleMouse(message);
            DefaultHandler(message);
            return;
        case CM_MOUSEENTER:
            CMMouseEnter(message);
            return;
        case CM_MOUSELEAVE:
            CMMouseLeave(message);
            return;
        case CM_ENABLEDCHANGED:
            CMEnabledChanged(message);
            return;
        case CM_TEXTCHANGED:
            CMTextChanged(message);
            return;
        case CM_FONTCHANGED:
            CMFontChanged(message);
            return;
        case CM_COLORCHANGED:
            CMColorChanged(message);
            return;
        case CM_VISIBLECHANGED:
            CMVisibleChanged(message);
            return;
        case CM_PARENTFONTCHANGED:
            CMParentFontChanged(message);
            return;
        case CM_DIALOGCHAR:
            CMDialogChar(message);
            return;
        case CM_CANCELMODE:
            CMCancelMode(message);
            return;
        default:
            DefaultHandler(message);
    }
}
