#pragma once
// Where a button's caption (and glyph, when there is one) sits inside the button: the alignment of
// the combined box, the text's place beside the glyph, a final shift, and the drop-down arrow.

#include <cstdint>

#include "settings/color.h"
#include "widgets/aligngeom.h"
#include "widgets/lmdobject.h"

// Where the text stands relative to a glyph.
enum TLMDTextArrange : uint8_t { taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom, taBottomLeft };

enum TLMDArrowPosition : uint8_t { apRightText, apLeftText, apRightGlyph, apLeftGlyph };

class TLMDGlyphTextLayout : public TLMDObject {
public:
    TLMDGlyphTextLayout() = default;

    TLMDAlignment Alignment() const { return alignment_; }
    TLMDTextArrange AlignText2Glyph() const { return alignText2Glyph_; }
    int32_t OffsetX() const { return offsetX_; }
    int32_t OffsetY() const { return offsetY_; }
    int32_t Spacing() const { return spacing_; }  // gap between glyph and text, when both exist

    // Each setter stores a different value and then notifies.
    void SetAlignment(TLMDAlignment value);
    void SetAlignText2Glyph(TLMDTextArrange value);
    void SetOffsetX(int32_t value);
    void SetOffsetY(int32_t value);
    void SetSpacing(int32_t value);

    // From another layout of this kind or a descendant: every setting it shares, then one notification.
    void Assign(const TLMDObject& source) override;
    const char* ClassName() const override { return "TLMDGlyphTextLayout"; }

protected:
    explicit TLMDGlyphTextLayout(TLMDAlignment alignment) : alignment_(alignment) {}
    void CopyFrom(const TLMDGlyphTextLayout& source);

private:
    TLMDAlignment alignment_ = agTopLeft;
    TLMDTextArrange alignText2Glyph_ = taRight;
    int32_t offsetX_ = 0;
    int32_t offsetY_ = 0;
    int32_t spacing_ = 2;
};

// A button's layout: centred by default, with the drop-down arrow's settings.
class TLMDButtonLayout : public TLMDGlyphTextLayout {
public:
    TLMDButtonLayout() : TLMDGlyphTextLayout(agCenter) {}

    bool Arrow() const { return arrow_; }
    TColor ArrowColor() const { return arrowColor_; }
    int32_t ArrowIndent() const { return arrowIndent_; }
    TLMDArrowPosition ArrowPosition() const { return arrowPosition_; }
    int8_t ArrowSize() const { return arrowSize_; }

    void SetArrow(bool value);
    void SetArrowColor(TColor value);
    void SetArrowIndent(int32_t value);
    void SetArrowPosition(TLMDArrowPosition value);
    void SetArrowSize(int8_t value);

    void Assign(const TLMDObject& source) override;
    const char* ClassName() const override { return "TLMDButtonLayout"; }

private:
    bool arrow_ = false;
    TColor arrowColor_ = clBlack;
    int32_t arrowIndent_ = 3;
    TLMDArrowPosition arrowPosition_ = apRightText;
    int8_t arrowSize_ = 3;
};
