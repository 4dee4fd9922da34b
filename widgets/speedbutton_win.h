#pragma once
// The flat speed button of the menu. TLMDCustomSpeedButton paints the button: in the explorer
// styles it shows its parent panel's background where it lies, draws a one-pixel frame under the
// mouse (raised) and while pressed (sunken), and draws its caption with the caption effect, in
// EnterColor while hot and one pixel right and down while pressed. TLMDSpeedButton is the class the
// program creates.

#include "widgets/buttontypes.h"
#include "widgets/graphicbutton_win.h"

struct TButtonLookKey;

class TLMDCustomSpeedButton : public TLMDBaseGraphicButton {
public:
    explicit TLMDCustomSpeedButton(TComponent* owner);

    TLMDUserButtonStyle Style() const { return style_; }
    // The explorer styles make the button transparent (it shows its parent's background); leaving
    // them makes it opaque again.
    void SetStyle(TLMDUserButtonStyle style);

protected:
    void Paint() override;
    bool HoverFrameStyle() const override;
    bool MouseOverPaintsFace() const override;

private:
    // Background, frame and caption, over the visible part of the button.
    void DrawLook(const RECT& visible);
    // What a kept picture of the current look is drawn from; false when the look is not kept (not
    // an explorer style over a panel's buffer that holds the whole button).
    bool LookKey(TButtonLookKey& key);
    // Copies the current look from its kept picture, drawing the picture first during PaintNow;
    // false when the look must be drawn straight.
    bool PaintKeptLook(const RECT& visible);

    TLMDUserButtonStyle style_ = ubsAutoDetect;
};

class TLMDSpeedButton : public TLMDCustomSpeedButton {
public:
    using TLMDCustomSpeedButton::TLMDCustomSpeedButton;
};
