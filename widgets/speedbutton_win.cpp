#include "widgets/speedbutton_win.h"

#include <windows.h>

#include "base/dcguards_win.h"
#include "widgets/buttonface_win.h"
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
    if (FocusCue())
        DrawFocusCue(canvas.Handle(), client, bevel);
}
