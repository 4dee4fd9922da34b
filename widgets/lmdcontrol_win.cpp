#include "widgets/lmdcontrol_win.h"

#include "base/dcguards_win.h"
#include "widgets/imagelist_win.h"
#include "widgets/lmdmessages.h"

TLMDCustomControl::TLMDCustomControl(TComponent* owner) : TCustomControl(owner) {
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable;
    SetBounds(Left(), Top(), 100, 40);
    SetColor(clBtnFace);
    link_.OnChange = [this](void* sender) { GetIMLChange(sender); };
}

TLMDCustomControl::~TLMDCustomControl() {
    BeginDestroying();
    link_.OnChange = nullptr;
    if (imageList_ && link_.Sender() == imageList_)
        imageList_->UnRegisterChanges(&link_);
}

void TLMDCustomControl::SetImageList(TLMDCustomImageList* list) {
    if (imageList_ == list)
        return;
    if (imageList_) {
        // A list being destroyed has already let go of its links.
        if (link_.Sender() == imageList_)
            imageList_->UnRegisterChanges(&link_);
        RemoveFreeNotification(imageList_);
    }
    imageList_ = list;
    if (imageList_) {
        imageList_->RegisterChanges(&link_);
        FreeNotification(imageList_);
    }
    GetIMLChange(nullptr);
}

void TLMDCustomControl::SetIndex(int which, int value) {
    int& field = which == 0 ? imageIndex_ : listIndex_;
    if (value < 0 || value == field)
        return;
    field = value;
    if (imageList_)
        GetIMLChange(nullptr);
}

bool TLMDCustomControl::IMLEmpty() const {
    return !imageList_ || !imageList_->IsValidItem(listIndex_, imageIndex_);
}

HPALETTE TLMDCustomControl::GetPalette() const {
    return IMLEmpty() ? nullptr : imageList_->Palette(listIndex_);
}

void TLMDCustomControl::SetTransparent(bool value) {
    if (transparent_ == value)
        return;
    transparent_ = value;
    SetOpaque(!value);
    RecreateWnd();
}

bool TLMDCustomControl::CheckOptimized() {
    return transparent_ && BackBitmapCheck();
}

bool TLMDCustomControl::BackBitmapCheck() {
    return false;
}

bool TLMDCustomControl::BackDrawArea(TCanvas& canvas, const RECT& rect, POINT offset, uint16_t flags) {
    return false;
}

bool TLMDCustomControl::CopyBackground(TCanvas& canvas,
                                       const RECT& rect,
                                       POINT offset,
                                       TLMDBackBuffer& picture,
                                       HPALETTE palette) {
    HDC dc = canvas.Handle();
    if (!dc)
        return false;
    RECT area = rect;
    const RECT client = ClientRect();
    if (EqualRect(&rect, &client))
        area = canvas.ClipRect();  // only what is being painted
    // The offset applies in both cases: a child as large as this control but placed elsewhere must
    // still get the picture under itself.
    const POINT source = BackMapPoint(POINT{area.left + offset.x, area.top + offset.y});
    ScopedPalette selected(dc, palette);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, picture.DC(), source.x, source.y,
           SRCCOPY);
    return true;
}

void TLMDCustomControl::FillControl() {
    const RECT client = ClientRect();
    if (CheckOptimized() && BackDrawArea(Canvas(), client, POINT{0, 0}, 0))
        return;
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(client);
}

void TLMDCustomControl::GetChange(const void* sender) {
    if (Loading())
        return;
    Invalidate();
}

void TLMDCustomControl::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TLMDCustomControl::MouseExit() {
    if (OnMouseExit)
        OnMouseExit(this);
}

void TLMDCustomControl::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == imageList_ && !Destroying())
        SetImageList(nullptr);
}

void TLMDCustomControl::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    // Children paint themselves; resizing repaints only what the size message asks for.
    params.Style |= WS_CLIPCHILDREN;
    params.ClassStyle &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TLMDCustomControl::WMEraseBkgnd(TMessage& message) {
    // Painting covers everything when the background can be copied: erasing would only flicker.
    if (CheckOptimized()) {
        message.Result = 1;
        return;
    }
    TCustomControl::WMEraseBkgnd(message);
}

void TLMDCustomControl::CMMouseEnter(TMessage& message) {
    TCustomControl::CMMouseEnter(message);
    mouseAbove_ = true;
    MouseEnter();
}

void TLMDCustomControl::CMMouseLeave(TMessage& message) {
    TCustomControl::CMMouseLeave(message);
    mouseAbove_ = false;
    MouseExit();
}

void TLMDCustomControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            TCustomControl::WndProc(message);
            const bool gained = message.Msg == WM_SETFOCUS;
            entered_ = gained;
            if (HWND window = HandleIfAllocated())
                PostMessageA(window, gained ? CM_LMDAFTERENTER : CM_LMDAFTEREXIT, 0, 0);
            return;
        }
        case CM_LMDAFTERENTER:
            if (OnAfterEnter)
                OnAfterEnter(this);
            return;
        case CM_LMDAFTEREXIT:
            if (OnAfterExit)
                OnAfterExit(this);
            return;
        case CM_LMDBACKCHANGED:
            if (!Loading() && CheckOptimized())
                GetChange(nullptr);
            return;
        case WM_SYSCOLORCHANGE:
            TCustomControl::WndProc(message);
            if (!transparent_)
                Invalidate();
            return;
        default:
            TCustomControl::WndProc(message);
    }
}
