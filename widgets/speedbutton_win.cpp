#include "widgets/speedbutton_win.h"

#include <windows.h>

#include <iterator>

#include "base/dcguards_win.h"
#include "widgets/backbuffer_win.h"
#include "widgets/buttonface_win.h"
#include "widgets/buttonlook_win.h"
#include "widgets/lmdcontrol_win.h"

namespace {
// The option word the button hands to the face routine.
constexpr uint16_t kFaceOptions = 5;

bool PressedLook(TLMDButtonState state) {
    return state == bsOptionSet || state == bsDown || state == bsDropDownOpen;
}

// The keyboard focus cue: the system's dotted rectangle one pixel inside the frame, every other pixel
// inverted (black and white pattern colours, whatever colours the caption left in the context).
void DrawFocusCue(HDC dc, const RECT& client, int bevel) {
    const SavedDC saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    RECT cue{client.left + bevel + 1, client.top + bevel + 1, client.right - bevel - 1, client.bottom - bevel - 1};
    if (!IsRectEmpty(&cue))
        DrawFocusRect(dc, &cue);
}

// Points the canvas at another device context for the scope, then back at the one it had.
class CanvasRedirect {
public:
    CanvasRedirect(TCanvas& canvas, HDC dc) : canvas_(canvas), previous_(canvas.Handle()) { canvas.SetHandle(dc); }
    ~CanvasRedirect() { canvas_.SetHandle(previous_); }
    CanvasRedirect(const CanvasRedirect&) = delete;
    CanvasRedirect& operator=(const CanvasRedirect&) = delete;

private:
    TCanvas& canvas_;
    HDC previous_;
};
}  // namespace

TLMDCustomSpeedButton::TLMDCustomSpeedButton(TComponent* owner) : TLMDBaseGraphicButton(owner) {
    ControlStyle = csCaptureMouse | csOpaque | csDoubleClicks | csReplicatable;
    hoverEnabled_ = true;
    ownHitTest_ = false;
    SetBounds(Left(), Top(), 23, 22);
}

void TLMDCustomSpeedButton::SetStyle(TLMDUserButtonStyle style) {
    if (style_ == style)
        return;
    const bool wasExplorer = IsExplorerStyle(style_);
    glyphStyle_ =
        (style == ubsFlatUnColored || style == ubsNavigator || style == ubsExplorer) ? gsExplorer : gsStandard;
    style_ = style;
    if (IsExplorerStyle(style_))
        SetTransparent(true);
    else if (wasExplorer)
        SetTransparent(false);
    GetChange(nullptr);
}

bool TLMDCustomSpeedButton::HoverFrameStyle() const {
    return style_ >= ubsDelphiFlat && style_ <= ubsExplorerColored;
}

bool TLMDCustomSpeedButton::MouseOverPaintsFace() const {
    return style_ >= ubsDelphiFlat && style_ <= ubsNavigator;
}

void TLMDCustomSpeedButton::Paint() {
    if (Loading() || BoundsEmpty())
        return;
    TCanvas& canvas = Canvas();
    // Only the part that can be seen is drawn: a button may reach far outside its parent.
    const RECT client = ClientRect();
    const RECT clip = canvas.ClipRect();
    RECT visible;
    if (!IntersectRect(&visible, &client, &clip))
        return;
    if (!PaintKeptLook(visible))
        DrawLook(visible);
    if (FocusCue())
        DrawFocusCue(canvas.Handle(), client, LMDGetButtonBevel(style_, ButtonState()));
}

void TLMDCustomSpeedButton::DrawLook(const RECT& visible) {
    TCanvas& canvas = Canvas();
    const RECT client = ClientRect();
    const int bevel = LMDGetButtonBevel(style_, ButtonState());
    if (IsExplorerStyle(style_)) {
        auto* panel = dynamic_cast<TLMDCustomControl*>(Parent());
        if (CheckOptimized() && panel) {
            panel->BackDrawArea(canvas, visible, POINT{Left(), Top()}, 0);
        } else {
            canvas.Brush().SetColor(Color());
            canvas.Brush().SetStyle(bsSolid);
            canvas.FillRect(visible);
        }
    }
    RECT face = client;
    LMDDrawBtnFace(canvas, MouseOver(), face, style_, Designing() ? bsMouseOver : ButtonState(), kFaceOptions, Color());
    RECT content{client.left + bevel, client.top + bevel, client.right - bevel, client.bottom - bevel};
    if (PressedLook(ButtonState()))
        OffsetRect(&content, 1, 1);
    DrawGlyphAndText(content);
}

bool TLMDCustomSpeedButton::LookKey(TButtonLookKey& key) {
    // Kept only where the whole picture is the button's own drawing over the panel's buffer.
    auto* panel = dynamic_cast<TLMDCustomControl*>(Parent());
    if (!IsExplorerStyle(style_) || Designing() || !CheckOptimized() || !panel)
        return false;
    const TLMDBackBuffer* background = panel->BackBitmap();
    if (!background)
        return false;
    key.background = panel->BackMapPoint(POINT{Left(), Top()});
    key.width = Width();
    key.height = Height();
    if (key.background.x < 0 || key.background.y < 0 || key.width > background->Width() - key.background.x ||
        key.height > background->Height() - key.background.y)
        return false;
    key.buttonStamp = LookStamp();
    key.backgroundStamp = background->Stamp();
    key.style = style_;
    key.state = ButtonState();
    key.mouseOver = MouseOver();
    key.enabled = Enabled();
    key.font = Font().Data().key;
    const TColor colours[] = {CaptionColor(), Color(),        FontFX().LightColor(), FontFX().ShadowColor(),
                              clGrayText,     clBtnHighlight, clBtnShadow,           clBtnFace};
    static_assert(std::size(colours) == std::size(TButtonLookKey{}.colours));
    for (size_t i = 0; i < std::size(colours); ++i)
        key.colours[i] = static_cast<COLORREF>(ResolveColor(colours[i]));
    key.caption = Caption();
    return true;
}

bool TLMDCustomSpeedButton::PaintKeptLook(const RECT& visible) {
    TCanvas& canvas = Canvas();
    HDC target = canvas.Handle();
    if (!target || (GetDeviceCaps(target, RASTERCAPS) & RC_PALETTE))
        return false;
    TButtonLookKey key;
    if (!LookKey(key))
        return false;
    TButtonLooks& looks = ButtonLooks();
    HDC kept = looks.Find(key);
    if (!kept) {
        // Drawn into a picture only for the repaints over the current picture, which come again
        // in the same looks; a full repaint draws straight.
        if (!PaintingNow())
            return false;
        HDC picture = looks.Add(key);
        if (!picture)
            return false;
        {
            const RECT whole = ClientRect();
            CanvasRedirect redirect(canvas, picture);
            DrawLook(whole);
        }
        target = canvas.Handle();
        // Looked up again: drawing must not have changed what the picture was drawn from.
        kept = looks.Find(key);
        TButtonLookKey after;
        if (!LookKey(after) || !(after == key)) {
            looks.Drop(key);
            kept = nullptr;
        }
        if (!kept)
            return false;  // never blank: draw straight instead
    }
    BitBlt(target, visible.left, visible.top, visible.right - visible.left, visible.bottom - visible.top, kept,
           visible.left, visible.top, SRCCOPY);
    return true;
}
