#pragma once
// The settings of a caption's three-dimensional effect: the caption is drawn in several passes of the
// same text, each at a small offset in its own colour, so that it looks sunken, raised, shadowed,
// outlined or extruded. TLMD3DCaption holds the effect; TLMDFxCaption adds a rotation.

#include <cstdint>
#include <initializer_list>

#include "settings/color.h"
#include "widgets/lmdobject.h"

enum TLMDThreeDStyle : uint8_t {
    tdNone,
    tdSunken,
    tdRaised,
    tdSunkenShadow,
    tdRaisedShadow,
    tdPColorSunken,
    tdPColorRaised,
    tdShadow,
    tdOutline,
    tdExtrude,
    tdExtrudeEnh
};
using TLMD3DStyle = TLMDThreeDStyle;

// The direction in which the extrude styles pile up their copies.
enum TLMDThreeDOrientation : uint8_t { toBottomLeft, toBottomRight, toTopLeft, toTopRight };

// How a disabled caption is drawn: dsAuto as sunken when the caller asks for the 3-D disabled look,
// dsStandard with the effect's own passes in grey, ds3d always as sunken, dsNone as if enabled.
enum TLMDDisabledStyle : uint8_t { dsAuto, dsStandard, ds3d, dsNone };

enum TLMDDrawTextStyle : uint8_t {
    dtDisabled,
    dtEnabled,
    dt3DDisabled,
    dtClip,
    dtAccelChar,
    dtAutoSize,
    dtRectText,
    dtRectGlyph,
    dtRectGlyphText,
    dtCalculate
};

// A set of TLMDDrawTextStyle values.
class TLMDTextStyles {
public:
    constexpr TLMDTextStyles() = default;
    constexpr TLMDTextStyles(std::initializer_list<TLMDDrawTextStyle> styles) {
        for (TLMDDrawTextStyle style : styles)
            Include(style);
    }
    constexpr bool Contains(TLMDDrawTextStyle style) const { return (bits_ & Bit(style)) != 0; }
    constexpr TLMDTextStyles& Include(TLMDDrawTextStyle style) {
        bits_ = static_cast<uint16_t>(bits_ | Bit(style));
        return *this;
    }
    constexpr TLMDTextStyles& Exclude(TLMDDrawTextStyle style) {
        bits_ = static_cast<uint16_t>(bits_ & ~Bit(style));
        return *this;
    }
    constexpr uint16_t Bits() const { return bits_; }
    constexpr bool operator==(const TLMDTextStyles&) const = default;

private:
    static constexpr uint16_t Bit(TLMDDrawTextStyle style) { return static_cast<uint16_t>(1u << style); }
    uint16_t bits_ = 0;
};

class TLMD3DCaption : public TLMDObject {
public:
    TLMDDisabledStyle DisabledStyle() const { return disabledStyle_; }
    uint8_t LightDepth() const { return lightDepth_; }
    uint8_t ShadowDepth() const { return shadowDepth_; }
    TColor LightColor() const { return lightColor_; }
    TColor ShadowColor() const { return shadowColor_; }
    TLMDThreeDStyle Style() const { return style_; }
    TLMDThreeDOrientation Orientation() const { return orientation_; }
    int32_t Tracing() const { return tracing_; }  // extra pixels between characters

    // Each setter stores a different value and then notifies. For the indexed ones 0 is the light
    // and 1 the shadow setting; any other index stores nothing but still notifies.
    void SetDisabledStyle(TLMDDisabledStyle value);
    void SetDepth(int index, uint8_t value);
    void SetLightDepth(uint8_t value) { SetDepth(0, value); }
    void SetShadowDepth(uint8_t value) { SetDepth(1, value); }
    void SetColor(int index, TColor value);
    void SetLightColor(TColor value) { SetColor(0, value); }
    void SetShadowColor(TColor value) { SetColor(1, value); }
    void SetStyle(TLMDThreeDStyle value);
    void SetOrientation(TLMDThreeDOrientation value);
    void SetTracing(int32_t value);

    // From another 3-D caption: the disabled style, depths, colours, style and tracing, then one
    // notification. The orientation stays.
    void Assign(const TLMDObject& source) override;
    const char* ClassName() const override { return "TLMD3DCaption"; }

    // How much wider and taller than the bare text the style makes the caption.
    int ExtraSize() const;

protected:
    void CopyFrom(const TLMD3DCaption& source);

private:
    TLMDDisabledStyle disabledStyle_ = dsAuto;
    uint8_t lightDepth_ = 1;
    uint8_t shadowDepth_ = 1;
    TColor lightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TLMDThreeDStyle style_ = tdNone;
    TLMDThreeDOrientation orientation_ = toTopLeft;
    int32_t tracing_ = 0;
};

using TLMDAngle = uint16_t;  // degrees, 0..359

class TLMDFxCaption : public TLMD3DCaption {
public:
    TLMDAngle Angle() const { return angle_; }
    // Where rotated text starts inside its rectangle; the measuring routine sets them.
    uint16_t PosX() const { return posX_; }
    uint16_t PosY() const { return posY_; }

    void SetAngle(TLMDAngle value);  // 360 is stored as 0; larger values are taken modulo 360
    void SetPos(int index, uint16_t value);
    void SetPosXY(uint16_t x, uint16_t y);  // without notification

    // From another caption effect: everything of the 3-D caption except the orientation, plus the
    // angle and start point, then one notification. From a plain 3-D caption: as that class does.
    void Assign(const TLMDObject& source) override;
    const char* ClassName() const override { return "TLMDFxCaption"; }

private:
    TLMDAngle angle_ = 0;
    uint16_t posX_ = 0;
    uint16_t posY_ = 0;
};
