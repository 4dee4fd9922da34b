#pragma once
// TLMDBaseGraphicButton: the state machine of a windowless push button. The mouse (press, drag off
// and back on, release), the hover notifications and a 100 ms hover check move the button between
// its states; every state change goes through StateChange, which decides whether the look changed
// and paints at once over the current picture instead of waiting for the parent's next repaint.
// Owns the caption effect (FontFX) and the caption layout (ButtonLayout).

#include <cstdint>

#include "shell/geometry.h"
#include "shell/timers_win.h"
#include "widgets/buttonlayout_win.h"
#include "widgets/buttontypes.h"
#include "widgets/fxcaption_win.h"
#include "widgets/lmdbasecontrol_win.h"
#include "widgets/lookstamp.h"

// How the button's look follows its states: the explorer styles keep the pressed look while the
// click handler runs.
enum TLMDGlyphStyle : uint8_t { gsStandard, gsExplorer };

class TLMDBaseGraphicButton : public TLMDBaseControl {
public:
    explicit TLMDBaseGraphicButton(TComponent* owner);
    ~TLMDBaseGraphicButton() override;

    TLMDButtonState ButtonState() const { return buttonState_; }
    TLMDButtonState PreviousState() const { return previousState_; }
    bool MouseOver() const { return mouseOver_; }
    bool MouseTracking() const { return mouseTracking_; }
    bool HoverTimerRunning() const { return hoverTimer_ != 0; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    TColor EnterColor() const { return enterColor_; }
    void SetEnterColor(TColor value);
    bool EnterColorChange() const { return enterColorChange_; }
    void SetEnterColorChange(bool value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool UseCaption() const { return useCaption_; }
    void SetUseCaption(bool value);

    TLMDFxCaption& FontFX() { return fontFX_; }
    // Copies every setting of the effect.
    void SetFontFX(const TLMDFxCaption& value) { fontFX_.Assign(value); }
    TLMDButtonLayout& ButtonLayout() { return buttonLayout_; }

    // Pressed from the keyboard, along the path of a click: the pressed look while the click handler
    // runs, then the hover look when the cursor is over the button, else the normal look. Nothing
    // when the button cannot be clicked (disabled, hidden, of no size) or the mouse holds it.
    void Press();
    // Whether the button shows the keyboard focus cue, a dotted rectangle inside its frame.
    bool FocusCue() const { return focusCue_; }
    void SetFocusCue(bool shown);

protected:
    virtual bool ShapeButtonColorChange() const { return false; }
    // With OwnHitTest, the points that belong to the button.
    virtual bool VerifyTransparency(int x, int y) const;
    // The hover check: ends a hover whose mouse-leave notification never came.
    virtual void VerifyMouseOver();
    // Styles whose face shows a frame under the mouse (checked by the repaint rules).
    virtual bool HoverFrameStyle() const { return false; }
    // Styles whose face depends on the mouse-over flag itself.
    virtual bool MouseOverPaintsFace() const { return false; }

    bool CheckOptimized() override;
    void MouseEnter() override;
    void MouseExit() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    void CMDialogChar(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMCancelMode(TMessage& message) override;

    // The one way the mouse code changes ButtonState.
    void StateChange(TLMDButtonState newState);
    void SetMouseOver(bool value);
    // The caption font or its effect changed.
    void FontChange(const void* sender);
    // Paints over the current picture now (nothing when it could not be seen).
    void PaintNow();
    // Shows a changed look: at once over the current picture, or through the parent when the
    // background cannot be copied from it.
    void ShowLook();

    // Draws the caption into the content rectangle with the state's colour and text style.
    void DrawGlyphAndText(const RECT& content);
    // The caption's main colour in the current state.
    TColor CaptionColor();
    // Renewed on every change of the button's settings, its font or caption effect or layout.
    uint64_t LookStamp() const { return lookStamp_; }
    // Whether the paint in progress is one of PaintNow's, over the current picture.
    bool PaintingNow() const { return paintingNow_; }
    void GetChange(const void* sender) override;

    TLMDGlyphStyle glyphStyle_ = gsStandard;
    bool hoverEnabled_ = false;
    bool ownHitTest_ = true;

private:
    bool HotState() const;
    bool EnterColorShown() const;  // the caption takes the enter colour
    bool CanvasFontIsTrueType();
    bool Disabled() const { return buttonState_ == bsDisabledUp || buttonState_ == bsDisabledDown; }
    // The client area from (0, 0), for the point-inside rules (shell/geometry.h).
    TGeomRect ClientBox() const;
    // Whether the cursor lies on the button by the hover check's rule (the row below counts).
    bool CursorInside() const;
    // Calls Click, reporting an exception raised by the click handler instead of passing it on, so
    // that the button's own bookkeeping after the click still runs.
    void ClickReported();
    // The look when a press ends: the hover look with the cursor on the button, else the normal one.
    TLMDButtonState StateAfterPress(bool cursorInside) const;
    // The click of a press that ends on the button, and the look after it: before the click for the
    // standard glyph style, after it (PostClick) for the explorer style, which stays pressed meanwhile.
    void ClickAndSettle(TLMDButtonState after);
    // After a click of an explorer-style button: the hover look if the cursor is still over it,
    // else the normal look.
    void PostClick(TLMDButtonState newState);

    TLMDButtonState buttonState_ = bsUp;
    TLMDButtonState previousState_ = bsUp;
    bool mouseOver_ = false;
    bool mouseTracking_ = false;
    bool transparent_ = false;
    TTimerHandle hoverTimer_ = 0;
    TColor enterColor_ = clCaptionText;
    bool enterColorChange_ = false;
    bool multiLine_ = false;
    bool useCaption_ = true;
    bool focusCue_ = false;
    TLMDFxCaption fontFX_;
    TLMDButtonLayout buttonLayout_;
    // The caption's last measurement: a hover repaint changes none of what it depends on.
    TCaptionMeasure captionMeasure_;
    uint64_t lookStamp_ = NextLookStamp();
    bool paintingNow_ = false;
};
