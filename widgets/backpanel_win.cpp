#include "widgets/backpanel_win.h"

#include "widgets/drawflags.h"
#include "widgets/imagelist_win.h"
#include "widgets/lmdmessages.h"

namespace {

// The control's outer size: during a size message the window already has it, the stored bounds not yet.
SIZE OuterSize(const TWinControl& control) {
    if (HWND window = control.HandleIfAllocated()) {
        RECT r;
        GetWindowRect(window, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
    return SIZE{control.Width(), control.Height()};
}

bool InsideHalfOpen(const RECT& box, LONG x, LONG y) {
    return box.left <= x && x < box.right && box.top <= y && y < box.bottom;
}
}  // namespace

// --- TLMDCustomPanel: borrowing the parent's background ---------------------------------------------

TLMDCustomControl* TLMDCustomPanel::BackgroundParent() const {
    auto* parent = dynamic_cast<TLMDCustomControl*>(Parent());
    return parent && parent->HandleAllocated() ? parent : nullptr;
}

bool TLMDCustomPanel::BackBitmapCheck() {
    TLMDCustomControl* parent = BackgroundParent();
    return parent && parent->BackBitmapCheck();
}

TLMDBackBuffer* TLMDCustomPanel::BackBitmap() {
    TLMDCustomControl* parent = BackgroundParent();
    return parent && parent->BackBitmapCheck() ? parent->BackBitmap() : nullptr;
}

POINT TLMDCustomPanel::BackMapPoint(POINT point) {
    TLMDCustomControl* parent = BackgroundParent();
    if (!parent)
        return point;
    const RECT client = ClientRect();
    const POINT inParent{point.x + Left() + (Width() - client.right) / 2,
                         point.y + Top() + (Height() - client.bottom) / 2};
    return parent->BackMapPoint(inParent);
}

HPALETTE TLMDCustomPanel::BackBitmapPalette() {
    if (BackBitmapCheck())
        return nullptr;
    TLMDCustomControl* parent = BackgroundParent();
    TLMDBackBuffer* picture = parent ? parent->BackBitmap() : nullptr;
    return picture ? picture->Palette() : nullptr;
}

bool TLMDCustomPanel::BackDrawArea(TCanvas& canvas, const RECT& rect, POINT offset, uint16_t flags) {
    TLMDBackBuffer* picture = BackBitmapCheck() ? BackBitmap() : nullptr;
    return picture && CopyBackground(canvas, rect, offset, *picture, BackBitmapPalette());
}

// --- TLMDCustomBevelPanel ------------------------------------------------------------------------------

TLMDCustomBevelPanel::TLMDCustomBevelPanel(TComponent* owner) : TLMDCustomPanel(owner) {
    bevel_.SetOwnerBorder(true);
    bevel_.OnChange = [this](TLMDObject* sender) { GetChange(sender); };
}

TLMDCustomBevelPanel::~TLMDCustomBevelPanel() {
    BeginDestroying();
    bevel_.OnChange = nullptr;
}

void TLMDCustomBevelPanel::Paint() {
    if (Loading())
        return;
    FillControl();
    if (!GetEmpty()) {
        bevel_.PaintBevel(Canvas(), ClientRect(), true);
        return;
    }
    if (Designing()) {  // show where the empty panel is
        Canvas().Pen().SetStyle(psDash);
        Canvas().Pen().SetColor(clBlack);
        Canvas().Brush().SetStyle(bsClear);
        Canvas().Rectangle(RECT{0, 0, Width(), Height()});
    }
}

bool TLMDCustomBevelPanel::GetEmpty() {
    return bevel_.Extent() == 0 && bevel_.Mode() != bmWindows && IMLEmpty();
}

void TLMDCustomBevelPanel::GetChange(const void* sender) {
    if (Loading())
        return;
    if (sender == &bevel_) {
        bevel_.SetOwnerBorder(true);
        if (bevel_.GetRecreateWnd())
            RecreateWnd();
        AlignControls();
    }
    Invalidate();
}

void TLMDCustomBevelPanel::CreateParams(TCreateParams& params) {
    TLMDCustomPanel::CreateParams(params);
    if (bevel_.Mode() == bmWindows)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

// --- TLMDCustomParentPanel: the background buffer -------------------------------------------------------

TLMDCustomParentPanel::~TLMDCustomParentPanel() {
    BeginDestroying();
}

void TLMDCustomParentPanel::CreateBack(bool rebuild) {
    if (IMLEmpty() || Transparent()) {
        buffer_.reset();
        return;
    }
    if (!buffer_)
        buffer_ = std::make_unique<TLMDBackBuffer>();
    if (!rebuild) {
        // Kept only while both corners of the client area lie inside the buffer.
        const RECT buffer{0, 0, buffer_->Width(), buffer_->Height()};
        const RECT client = ClientRect();
        if (InsideHalfOpen(buffer, client.left, client.top) && InsideHalfOpen(buffer, client.right, client.bottom))
            return;
    }
    const SIZE size = OuterSize(*this);
    try {
        buffer_->SetSize(size.cx, size.cy);
    } catch (...) {
        buffer_.reset();  // no half-made buffer: the panel fills with its colour instead
        throw;
    }
    // The program never turns on automatic palette realisation in the application object, so the item's
    // palette is always realised here.
    const uint16_t flags = kDrawTile | kDrawPalette;
    buffer_->SetPalette(ImageList()->Palette(ListIndex()));
    ImageList()->ClipDraw(buffer_->Canvas(), RECT{0, 0, buffer_->Width(), buffer_->Height()}, flags, 0, 0, ListIndex(),
                          ImageIndex());
}

bool TLMDCustomParentPanel::CheckOptimized() {
    return buffer_ || BackBitmapCheck();
}

bool TLMDCustomParentPanel::BackBitmapCheck() {
    if (buffer_)
        return true;
    return Transparent() && TLMDCustomPanel::BackBitmapCheck();
}

TLMDBackBuffer* TLMDCustomParentPanel::BackBitmap() {
    return buffer_ ? buffer_.get() : TLMDCustomPanel::BackBitmap();
}

POINT TLMDCustomParentPanel::BackMapPoint(POINT point) {
    return buffer_ ? point : TLMDCustomPanel::BackMapPoint(point);
}

bool TLMDCustomParentPanel::BackDrawArea(TCanvas& canvas, const RECT& rect, POINT offset, uint16_t flags) {
    if (Loading())
        return false;
    if (!buffer_)
        return TLMDCustomPanel::BackDrawArea(canvas, rect, offset, flags);
    return CopyBackground(canvas, rect, offset, *buffer_, QuickDraw ? nullptr : BackBitmapPalette());
}

void TLMDCustomParentPanel::GetIMLChange(void* sender) {
    CreateBack(true);
    GetChange(sender);
    NotifyControls(CM_LMDBACKCHANGED);
}

void TLMDCustomParentPanel::Loaded() {
    TLMDCustomBevelPanel::Loaded();
    if (Designing())
        CreateBack(true);
}

void TLMDCustomParentPanel::WMSize(TMessage& message) {
    if (!Loading())
        CreateBack(false);
    TLMDCustomBevelPanel::WMSize(message);
    if (CheckOptimized()) {
        Repaint();
        NotifyControls(CM_LMDBACKCHANGED);
    } else {
        Invalidate();
    }
}

void TLMDCustomParentPanel::WMMove(TMessage& message) {
    TLMDCustomBevelPanel::WMMove(message);
    if (CheckOptimized())
        Repaint();
}
