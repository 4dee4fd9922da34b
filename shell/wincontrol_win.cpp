#include "shell/wincontrol_win.h"

#include <algorithm>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/accessibleobject_win.h"
#include "shell/windowproc_win.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    BeginDestroying();
    // Children go with their parent, whoever owns them; the last created first.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        delete child;
    }
    DestroyHandle();
    DisconnectAccessible();
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (Parent())
            Parent()->HandleNeeded();
        if (!handle_)
            CreateWnd();
    }
    return handle_.get();
}

void TWinControl::RecreateWnd() {
    if (!handle_)
        return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = Caption();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = Parent() ? Parent()->Handle() : nullptr;
    params.ClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.Cursor = LoadCursor(nullptr, IDC_ARROW);
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    RegisterControlClass(params);
    // WM_NCCREATE stores this object with the window and sets handle_.
    HWND window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                  params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (!window)
        RaiseLastWindowError();
    if (handle_.get() != window)
        handle_.reset(window);
    UpdateBoundsFromWindow();
    // Windowed children get their windows with ours.
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->HandleNeeded();
    AlignControls();
}

void TWinControl::DestroyHandle() {
    if (!handle_)
        return;
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->DestroyHandle();
    handle_.reset();  // WM_NCDESTROY lets go of it on the way
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (control->ParentFont())
        control->Perform(CM_PARENTFONTCHANGED);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (handle_)
            windowed->HandleNeeded();
    } else if (control->Visible()) {
        control->Invalidate();
    }
    if (control->Align() != alNone)
        AlignControls();
}

void TWinControl::RemoveControl(TControl* control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->DestroyHandle();
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (dynamic_cast<TWinControl*>(control))
            continue;
        if (!control->Visible() || (!allowDisabled && !control->Enabled()))
            continue;
        const RECT bounds = control->BoundsRect();
        if (PtInRect(&bounds, point))
            return control;
    }
    return nullptr;
}

void TWinControl::NotifyControls(UINT msg, WPARAM wparam, LPARAM lparam) {
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children)
        child->Perform(msg, wparam, lparam);
}

LRESULT TWinControl::Broadcast(UINT msg, WPARAM wparam, LPARAM lparam) {
    const std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        const LRESULT result = child->Perform(msg, wparam, lparam);
        if (result != 0)
            return result;
    }
    return 0;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (!handle_) {
        TControl::SetBounds(left, top, width, height);
        return;
    }
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    settingBounds_ = true;
    SetWindowPos(handle_.get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    settingBounds_ = false;
    // The window may have refused part of the request; keep what it really is.
    UpdateBoundsFromWindow();
    BoundsChanged();
    RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!handle_)
        return;
    RECT window;
    GetWindowRect(handle_.get(), &window);
    POINT topLeft{window.left, window.top};
    if (HWND parent = GetParent(handle_.get()); parent && (GetWindowLongA(handle_.get(), GWL_STYLE) & WS_CHILD))
        ::ScreenToClient(parent, &topLeft);
    left_ = topLeft.x;
    top_ = topLeft.y;
    width_ = window.right - window.left;
    height_ = window.bottom - window.top;
}

RECT TWinControl::ClientRect() const {
    RECT rect{0, 0, width_, height_};
    if (handle_)
        GetClientRect(handle_.get(), &rect);
    return rect;
}

POINT TWinControl::ClientOrigin() const {
    POINT origin{0, 0};
    if (handle_) {
        ::ClientToScreen(handle_.get(), &origin);
        return origin;
    }
    return TControl::ClientOrigin();
}

void TWinControl::Invalidate() {
    if (handle_)
        InvalidateIfShown(handle_.get(), nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::Update() {
    if (handle_)
        UpdateWindow(handle_.get());
}

void TWinControl::AlignControls() {
    if (controls_.empty())
        return;
    RECT client = ClientRect();
    AdjustClientRect(client);
    TGeomRect area{client.left, client.top, client.right, client.bottom};
    const std::vector<TControl*> children = controls_;
    for (TAlign align : kAlignOrder) {
        for (TControl* child : children) {
            if (child->Align() != align || !child->Visible())
                continue;
            // The size is read in the child's turn: placing an earlier one may have changed it.
            const TAlignedBounds b = AlignInArea(align, area, child->Width(), child->Height());
            child->SetBounds(b.left, b.top, b.width, b.height);
        }
    }
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto it = controls_.begin();
    if (first)
        it = std::find(controls_.begin(), controls_.end(), first);
    const std::vector<TControl*> children(it, controls_.end());
    for (TControl* control : children) {
        if (dynamic_cast<TWinControl*>(control) || !control->Visible() || control->BoundsEmpty())
            continue;
        const RECT bounds = control->BoundsRect();
        if (!RectVisible(dc, &bounds))
            continue;
        // The context goes to the next control as it came, whatever this one's Paint did or raised.
        const SavedDC saved(dc);
        const ScopedViewportOffset origin(dc, control->Left(), control->Top());
        const ScopedClipRect clip(dc, RECT{0, 0, control->Width(), control->Height()});
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

bool TWinControl::RouteMouse(TMessage& message) {
    if (message.Msg < WM_MOUSEFIRST || message.Msg > WM_MOUSELAST || message.Msg == WM_MOUSEWHEEL)
        return false;
    TControl* target = nullptr;
    TControl* capture = GetCaptureControl();
    if (capture && capture != this && capture->Parent() == this && GetCapture() == handle_.get()) {
        target = capture;
    } else if (!capture || capture->Parent() != this) {
        target = ControlAtPos(MousePoint(message.LParam), false);
    }
    if (!target)
        return false;
    const POINT p = MousePoint(message.LParam);
    const POINT local{SaturatedSub(p.x, target->Left()), SaturatedSub(p.y, target->Top())};
    TMessage routed{message.Msg, message.WParam, MouseLParam(local), 0};
    target->PerformMouse(routed, local);
    message.Result = routed.Result;
    return true;
}

void TWinControl::WndProc(TMessage& message) {
    if (RouteMouse(message) || HandleAccessibleMessage(message))
        return;
    switch (message.Msg) {
        case WM_PAINT:
            WMPaint(message);
            return;
        case WM_ERASEBKGND:
            WMEraseBkgnd(message);
            return;
        case WM_SIZE:
            WMSize(message);
            return;
        case WM_MOVE:
            WMMove(message);
            return;
        case WM_CAPTURECHANGED: {
            // A windowless child holding our capture loses it with us: it must stop tracking.
            if (TControl* captor = ForgetCaptureControl(this))
                captor->Perform(CM_CANCELMODE);
            DefaultHandler(message);
            return;
        }
        case CM_FONTCHANGED:
            TControl::WndProc(message);
            NotifyControls(CM_PARENTFONTCHANGED);
            return;
        case CM_DIALOGKEY:
            // Enter or Esc for the form: the child that takes it answers non-zero.
            message.Result = Broadcast(CM_DIALOGKEY, message.WParam, message.LParam);
            return;
        case WM_COMMAND:
            // A system control's notification goes back to the control that owns it.
            if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam)); child && child != this) {
                message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
                return;
            }
            TControl::WndProc(message);
            return;
        default:
            TControl::WndProc(message);
    }
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (handle_ && message.Msg < WM_USER)
        message.Result = DefWindowProcA(handle_.get(), message.Msg, message.WParam, message.LParam);
}

void TWinControl::TextChanged() {
    if (handle_)
        SetWindowTextA(handle_.get(), Caption().c_str());
}

void TWinControl::CMVisibleChanged(TMessage&) {
    if (handle_)
        ShowWindow(handle_.get(), Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMEnabledChanged(TMessage&) {
    if (handle_)
        EnableWindow(handle_.get(), Enabled());
}

void TWinControl::WMPaint(TMessage& message) {
    if (message.WParam) {  // painting on a given context (a parent's or a test's)
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        {
            const SavedDC saved(dc);
            PaintWindow(dc);
        }
        PaintControls(dc, nullptr);
        return;
    }
    const PaintDC paint(handle_.get());
    if (!paint)
        return;
    HDC dc = paint.get();
    {
        // Opaque windowless children cover their own area: keep the window's picture out of it.
        const SavedDC saved(dc);
        for (TControl* control : controls_) {
            if (dynamic_cast<TWinControl*>(control) || !control->Visible() || !(control->ControlStyle & csOpaque))
                continue;
            const RECT r = control->BoundsRect();
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
        PaintWindow(dc);
    }
    PaintControls(dc, nullptr);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    RECT client = ClientRect();
    UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(Color()))));
    FillRect(dc, &client, brush.get());
    message.Result = 1;
}

void TWinControl::WMSize(TMessage& message) {
    DefaultHandler(message);
    if (!settingBounds_) {
        UpdateBoundsFromWindow();
        BoundsChanged();
    }
    AlignControls();
}

void TWinControl::WMMove(TMessage& message) {
    DefaultHandler(message);
    if (!settingBounds_) {
        UpdateBoundsFromWindow();
        BoundsChanged();
    }
}

TWinControl* FindControl(HWND window) {
    return ControlOfWindow(window);
}
