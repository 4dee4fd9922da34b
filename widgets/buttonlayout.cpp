#include "widgets/buttonlayout.h"

void TLMDGlyphTextLayout::SetAlignment(TLMDAlignment value) {
    SetField(alignment_, value);
}

void TLMDGlyphTextLayout::SetAlignText2Glyph(TLMDTextArrange value) {
    SetField(alignText2Glyph_, value);
}

void TLMDGlyphTextLayout::SetOffsetX(int32_t value) {
    SetField(offsetX_, value);
}

void TLMDGlyphTextLayout::SetOffsetY(int32_t value) {
    SetField(offsetY_, value);
}

void TLMDGlyphTextLayout::SetSpacing(int32_t value) {
    SetField(spacing_, value);
}

void TLMDGlyphTextLayout::CopyFrom(const TLMDGlyphTextLayout& source) {
    alignment_ = source.alignment_;
    alignText2Glyph_ = source.alignText2Glyph_;
    offsetX_ = source.offsetX_;
    offsetY_ = source.offsetY_;
    spacing_ = source.spacing_;
}

void TLMDGlyphTextLayout::Assign(const TLMDObject& source) {
    if (&source == this)
        return;
    const auto* layout = dynamic_cast<const TLMDGlyphTextLayout*>(&source);
    if (!layout)
        AssignError(source);
    CopyFrom(*layout);
    Change();
}

void TLMDButtonLayout::SetArrow(bool value) {
    SetField(arrow_, value);
}

void TLMDButtonLayout::SetArrowColor(TColor value) {
    SetField(arrowColor_, value);
}

void TLMDButtonLayout::SetArrowIndent(int32_t value) {
    SetField(arrowIndent_, value);
}

void TLMDButtonLayout::SetArrowPosition(TLMDArrowPosition value) {
    SetField(arrowPosition_, value);
}

void TLMDButtonLayout::SetArrowSize(int8_t value) {
    SetField(arrowSize_, value);
}

void TLMDButtonLayout::Assign(const TLMDObject& source) {
    if (&source == this)
        return;
    const auto* layout = dynamic_cast<const TLMDButtonLayout*>(&source);
    if (!layout) {
        TLMDGlyphTextLayout::Assign(source);
        return;
    }
    CopyFrom(*layout);
    arrow_ = layout->arrow_;
    arrowColor_ = layout->arrowColor_;
    arrowIndent_ = layout->arrowIndent_;
    arrowPosition_ = layout->arrowPosition_;
    arrowSize_ = layout->arrowSize_;
    Change();
}
