#include "widgets/fxcaption.h"

void TLMD3DCaption::SetDisabledStyle(TLMDDisabledStyle value) {
    SetField(disabledStyle_, value);
}

void TLMD3DCaption::SetDepth(int index, uint8_t value) {
    uint8_t* field = index == 0 ? &lightDepth_ : index == 1 ? &shadowDepth_ : nullptr;
    SetIndexedField(field, value);
}

void TLMD3DCaption::SetColor(int index, TColor value) {
    TColor* field = index == 0 ? &lightColor_ : index == 1 ? &shadowColor_ : nullptr;
    SetIndexedField(field, value);
}

void TLMD3DCaption::SetStyle(TLMDThreeDStyle value) {
    SetField(style_, value);
}

void TLMD3DCaption::SetOrientation(TLMDThreeDOrientation value) {
    SetField(orientation_, value);
}

void TLMD3DCaption::SetTracing(int32_t value) {
    SetField(tracing_, value);
}

void TLMD3DCaption::CopyFrom(const TLMD3DCaption& source) {
    disabledStyle_ = source.disabledStyle_;
    lightDepth_ = source.lightDepth_;
    shadowDepth_ = source.shadowDepth_;
    lightColor_ = source.lightColor_;
    shadowColor_ = source.shadowColor_;
    style_ = source.style_;
    tracing_ = source.tracing_;
}

void TLMD3DCaption::Assign(const TLMDObject& source) {
    if (&source == this)
        return;
    const auto* caption = dynamic_cast<const TLMD3DCaption*>(&source);
    if (!caption)
        AssignError(source);
    CopyFrom(*caption);
    Change();
}

int TLMD3DCaption::ExtraSize() const {
    switch (style_) {
        case tdNone:
            return 0;
        case tdSunken:
        case tdRaised:
            return lightDepth_;
        case tdSunkenShadow:
        case tdRaisedShadow:
        case tdPColorSunken:
        case tdPColorRaised:
            return lightDepth_ + shadowDepth_;
        case tdShadow:
        case tdOutline:
        case tdExtrude:
        case tdExtrudeEnh:
            return shadowDepth_;
    }
    return 0;
}

void TLMDFxCaption::SetAngle(TLMDAngle value) {
    SetField(angle_, static_cast<TLMDAngle>(value % 360));
}

void TLMDFxCaption::SetPos(int index, uint16_t value) {
    uint16_t* field = index == 0 ? &posX_ : index == 1 ? &posY_ : nullptr;
    SetIndexedField(field, value);
}

void TLMDFxCaption::SetPosXY(uint16_t x, uint16_t y) {
    const bool wasUpdating = Updating();
    BeginUpdate();
    SetPos(0, x);
    SetPos(1, y);
    if (!wasUpdating)
        EndUpdate(false);
}

void TLMDFxCaption::Assign(const TLMDObject& source) {
    if (&source == this)
        return;
    const auto* caption = dynamic_cast<const TLMDFxCaption*>(&source);
    if (!caption) {
        TLMD3DCaption::Assign(source);
        return;
    }
    CopyFrom(*caption);
    posX_ = caption->posX_;
    posY_ = caption->posY_;
    angle_ = caption->angle_;
    Change();
}
