#include "widgets/graphicbutton_win.h"

#include "settings/accelerator.h"
#include "shell/accessibleelements_win.h"
#include "shell/windowproc_win.h"
#include "widgets/lmdcontrol_win.h"

namespace {
constexpr UINT kHoverCheckPeriod = 100;  // milliseconds

}  // namespace

TLMDBaseGraphicButton::TLMDBaseGraphicButton(TComponent* owner) : TLMDBaseControl(owner) {
    SetBounds(Left(), Top(), 25, 25);
    ControlStyle = (ControlStyle | csCaptureMouse | csOpaque | csDoubleClicks) & ~csSetCaption;
    fontFX_.OnChange = [this](TLMDObject* sender) { FontChange(sender); };
    buttonLayout_.OnChange = [this](TLMDObject* sender) { GetChange(sender); };
}

TLMDBaseGraphicButton::~TLMDBaseGraphicButton() {
    BeginDestroying();
    Timers().Stop(hoverTimer_);
    fontFX_.OnChange = nullptr;
    buttonLayout_.OnChange = nullptr;
}

void TLMDBaseGraphicButton::SetTransparent(bool value) {
    if (transparent_ == value)
        return;
    transparent_ = value;
    SetOpaque(!value);
    Invalidate();
}

void TLMDBaseGraphicButton::SetEnterColor(TColor value) {
    if (enterColor_ == value)
        return;
    enterColor_ = value;
    GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetEnterColorChange(bool value) {
    if (enterColorChange_ == value)
        return;
    enterColorChange_ = value;
    GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetMultiLine(bool value) {
    if (multiLine_ == value)
        return;
    multiLine_ = value;
    GetChange(nullptr);
}

void TLMDBaseGraphicButton::SetUseCaption(bool value) {
    if (useCaption_ == value)
        return;
    useCaption_ = value;
    GetChange(nullptr);
}

bool TLMDBaseGraphicButton::CheckOptimized() {
    auto* panel = dynamic_cast<TLMDCustomControl*>(Parent());
    return transparent_ && panel && panel->HandleAllocated() && panel->BackBitmapCheck();
}

bool TLMDBaseGraphicButton::HotState() const {
    return buttonState_ == bsMouseOver || buttonState_ == bsOptionSet || buttonState_ == bsDown ||
           buttonState_ == bsDragOver || buttonState_ == bsDropDownOpen;
}

void TLMDBaseGraphicButton::PaintNow() {
    if (Loading() || BoundsEmpty() || !Parent() || !Parent()->HandleAllocated())
        return;
    // A hidden window shows nothing; it is painted in full when it appears.
    if (!IsWindowVisible(Parent()->HandleIfAllocated()))
        return;
    paintingNow_ = true;
    try {
        Paint();
    } catch (...) {
        paintingNow_ = false;
        throw;
    }
    paintingNow_ = false;
}

void TLMDBaseGraphicButton::ShowLook() {
    if (transparent_ && !CheckOptimized())
        Invalidate();  // the parent repaints the background first, then the button
    else
        PaintNow();
}

void TLMDBaseGraphicButton::StateChange(TLMDButtonState newState) {
    if (newState == buttonState_)
        return;
    bool repaint = true;
    const auto between = [&](TLMDButtonState a, TLMDButtonState b) {
        return (buttonState_ == a && newState == b) || (buttonState_ == b && newState == a);
    };
    // Hovering changes nothing visible unless the style, the glyph or the caption colour shows it.
    if (between(bsUp, bsMouseOver) && glyphStyle_ != gsExplorer && !HoverFrameStyle() &&
        !(hoverEnabled_ && enterColorChange_) && !ShapeButtonColorChange())
        repaint = false;
    if (between(bsMouseOver, bsOptionSet))
        repaint = false;
    previousState_ = (newState == bsMouseOver && buttonState_ != bsOptionSet) ? bsUp : buttonState_;
    buttonState_ = newState;
    NotifyAccessibleStateChange(this);
    if (repaint && Visible())
        ShowLook();
    if (hoverEnabled_) {
        if (buttonState_ != bsMouseOver)
            Timers().Stop(hoverTimer_);
        else
            Timers().Start(hoverTimer_, kHoverCheckPeriod, [this] { VerifyMouseOver(); });
    }
}

void TLMDBaseGraphicButton::SetMouseOver(bool value) {
    if (value && !mouseOver_ && buttonState_ == bsUp && hoverEnabled_)
        StateChange(bsMouseOver);
    if (value == mouseOver_)
        return;
    mouseOver_ = value;
    if (MouseOverPaintsFace())
        PaintNow();
}

bool TLMDBaseGraphicButton::VerifyTransparency(int x, int y) const {
    return ContainsWithFarEdges(TGeomRect{0, 0, Width(), Height()}, x, y);
}

TGeomRect TLMDBaseGraphicButton::ClientBox() const {
    return TGeomRect{0, 0, ClientWidth(), ClientHeight()};
}

bool TLMDBaseGraphicButton::CursorInside() const {
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return false;
    const POINT p = ScreenToClient(cursor);
    if (ownHitTest_)
        return VerifyTransparency(p.x, p.y);
    // The row just below the button still counts, as it does for a release.
    return ContainsWithBottomEdge(ClientBox(), p.x, p.y);
}

void TLMDBaseGraphicButton::VerifyMouseOver() {
    if (Enabled() && !CursorInside())
        StateChange(bsUp);
}

void TLMDBaseGraphicButton::MouseEnter() {
    TLMDBaseControl::MouseEnter();
    if (ownHitTest_)
        return;
    if (buttonState_ == bsUp && hoverEnabled_ && Enabled()) {
        StateChange(bsMouseOver);
        SetMouseOver(true);
    }
}

void TLMDBaseGraphicButton::MouseExit() {
    TLMDBaseControl::MouseExit();
    if (buttonState_ == bsMouseOver)
        StateChange(previousState_);
    SetMouseOver(false);
}

void TLMDBaseGraphicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TLMDBaseControl::MouseDown(button, shift, x, y);
    if (ownHitTest_ && !VerifyTransparency(x, y))
        return;
    if (!Enabled() || button != mbLeft || BoundsEmpty())
        return;
    mouseTracking_ = true;
    StateChange(bsDown);
}

void TLMDBaseGraphicButton::MouseMove(TShiftState shift, int x, int y) {
    if (buttonState_ == bsDropDownOpen)
        return;
    TLMDBaseControl::MouseMove(shift, x, y);
    if (!Enabled())
        return;
    // While the button is held, both far edges count as on it.
    const bool inside = ContainsWithFarEdges(ClientBox(), x, y);
    if (mouseTracking_ && !(shift & ssLeft)) {
        // The left button is up, yet its release never reached the button, which would stay held
        // and keep the mouse captured. The press ends without a click, as a release off it does.
        mouseTracking_ = false;
        SetMouseCapture(false);
        StateChange(StateAfterPress(inside));
        SetMouseOver(inside);
        return;
    }
    StateChange(mouseTracking_ ? (inside ? bsDown : bsUp) : buttonState_);
    if (inside && !mouseOver_) {
        if (buttonState_ == bsUp && hoverEnabled_)
            StateChange(bsMouseOver);
        SetMouseOver(true);
    }
    SetMouseOver(inside);
}

void TLMDBaseGraphicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (buttonState_ == bsDropDownOpen)
        return;
    TLMDBaseControl::MouseUp(button, shift, x, y);
    if (!mouseTracking_ || button != mbLeft)
        return;
    mouseTracking_ = false;
    const bool inside = ContainsWithBottomEdge(ClientBox(), x, y);
    const TLMDButtonState newState = StateAfterPress(inside);
    if (!inside) {
        StateChange(newState);
        return;
    }
    ClickAndSettle(newState);
}

TLMDButtonState TLMDBaseGraphicButton::StateAfterPress(bool cursorInside) const {
    if (Disabled())
        return buttonState_;
    return cursorInside && hoverEnabled_ ? bsMouseOver : bsUp;
}

void TLMDBaseGraphicButton::ClickAndSettle(TLMDButtonState after) {
    if (glyphStyle_ != gsExplorer)
        StateChange(after);
    ClickReported();
    if (glyphStyle_ == gsExplorer)
        PostClick(after);
}

void TLMDBaseGraphicButton::PostClick(TLMDButtonState newState) {
    // The click handler may have disabled the button; its state then already says so.
    if (Disabled())
        return;
    // The cursor left while the click ran: the button also forgets that the mouse was over it. The
    // mouse can come back before the application sees it gone (its moves away and back arrive as
    // one), and only a move onto a button that knows the mouse is not over it shows the hover look.
    if (!CursorInside()) {
        StateChange(bsUp);
        SetMouseOver(false);
        return;
    }
    StateChange(newState == bsUp ? bsMouseOver : newState);
}

void TLMDBaseGraphicButton::ClickReported() {
    try {
        Click();
    } catch (...) {
        ReportWindowProcException(this);
    }
}

void TLMDBaseGraphicButton::CMCancelMode(TMessage&) {
    // The capture went elsewhere while the button was held: no click, the normal look.
    if (!mouseTracking_)
        return;
    mouseTracking_ = false;
    if (!Disabled())
        StateChange(bsUp);
}

void TLMDBaseGraphicButton::CMDialogChar(TMessage& message) {
    if (!IsAccel(static_cast<unsigned>(message.WParam), Caption()) || !Enabled() || !Visible() || BoundsEmpty() ||
        !Parent() || !Parent()->Enabled())
        return;
    SetMouseOver(true);
    Repaint();
    ClickReported();
    Repaint();
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT p = Parent()->ScreenToClient(cursor);
    const RECT bounds = BoundsRect();
    // The accelerator's hover look stays only while the cursor lies strictly inside the button.
    if (!ContainsStrictly(TGeomRect{bounds.left, bounds.top, bounds.right, bounds.bottom}, p.x, p.y)) {
        SetMouseOver(false);
        Repaint();
    }
    message.Result = 1;
}

void TLMDBaseGraphicButton::CMEnabledChanged(TMessage& message) {
    TLMDBaseControl::CMEnabledChanged(message);
    if (!Enabled())
        mouseTracking_ = false;
    buttonState_ = Enabled() ? bsUp : bsDisabledUp;
    Timers().Stop(hoverTimer_);
    Invalidate();
}

void TLMDBaseGraphicButton::CMFontChanged(TMessage& message) {
    FontChange(&Font());
    if (transparent_)
        PaintNow();
    else
        TLMDBaseControl::CMFontChanged(message);
}

void TLMDBaseGraphicButton::CMTextChanged(TMessage& message) {
    if (transparent_)
        PaintNow();
    else
        Invalidate();
}

void TLMDBaseGraphicButton::FontChange(const void* sender) {
    if (sender == &Font())
        SetParentFont(false);
    if (Loading())
        return;
    Canvas().Font().Assign(Font());
    // Only TrueType fonts turn: either the angle goes or the font becomes one that turns.
    if (fontFX_.Angle() != 0 && !CanvasFontIsTrueType()) {
        if (sender == &Font())
            fontFX_.SetAngle(0);
        else
            Font().SetName("Arial");
    }
    GetChange(sender);
}

bool TLMDBaseGraphicButton::CanvasFontIsTrueType() {
    HDC dc = Canvas().Handle();
    TEXTMETRICA metrics{};
    return dc && GetTextMetricsA(dc, &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE);
}

void TLMDBaseGraphicButton::GetChange(const void* sender) {
    lookStamp_ = NextLookStamp();
    TLMDBaseControl::GetChange(sender);
}

bool TLMDBaseGraphicButton::EnterColorShown() const {
    return HotState() && hoverEnabled_ && enterColorChange_;
}

TColor TLMDBaseGraphicButton::CaptionColor() {
    return EnterColorShown() ? enterColor_ : Font().Color();
}

void TLMDBaseGraphicButton::DrawGlyphAndText(const RECT& content) {
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if (EnterColorShown())
        canvas.Font().SetColor(enterColor_);
    const TLMDTextStyles styles{Enabled() ? dtEnabled : dtDisabled, dt3DDisabled};
    LMDDrawButtonCaption(canvas, useCaption_ ? Caption() : std::string(), &fontFX_, content, buttonLayout_, multiLine_,
                         styles, 0, nullptr, &captionMeasure_);
}

void TLMDBaseGraphicButton::Press() {
    if (!Enabled() || !Visible() || BoundsEmpty() || mouseTracking_ || Disabled())
        return;
    const TLMDButtonState after = hoverEnabled_ && CursorInside() ? bsMouseOver : bsUp;
    StateChange(bsDown);
    ClickAndSettle(after);
}

void TLMDBaseGraphicButton::SetFocusCue(bool shown) {
    if (focusCue_ == shown)
        return;
    focusCue_ = shown;
    if (Visible())
        ShowLook();
}
