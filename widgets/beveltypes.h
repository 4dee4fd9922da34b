#pragma once
// In bevelextent.cpp.
// The settings of a panel's bevel and the room they take. Portable: the drawing is in bevel_win.

#include <cstdint>

#include "settings/color.h"

enum TLMDBevelMode : uint8_t { bmCustom, bmStandard, bmEdge, bmWindows };
enum TLMDBevelStyle : uint8_t { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum TLMDBorderStyle : uint8_t {
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered
};
enum TLMDEdgeStyle : uint8_t {
    etRaisedInner,
    etRaisedOuter,
    etSunkenInner,
    etSunkenOuter,
    etBump,
    etEtched,
    etRaised,
    etSunken
};
enum TLMDFrameSide : uint8_t { fsBottom, fsLeft, fsRight, fsTop };
// A set of TLMDFrameSide: bit n for side n.
using TLMDFrameSides = uint8_t;
constexpr TLMDFrameSides LMDSide(TLMDFrameSide side) {
    return static_cast<TLMDFrameSides>(1u << side);
}
constexpr TLMDFrameSides LMDAllSides = 0x0F;

struct TLMDBevelSettings {
    TLMDBevelStyle StyleInner = bvNone;
    TLMDBevelStyle StyleOuter = bvNone;
    int WidthInner = 1;  // 0 to 50
    int WidthOuter = 1;  // 0 to 50
    TColor BorderColor = clBtnFace;
    TLMDFrameSides BorderSides = LMDAllSides;
    int BorderWidth = 0;       // 0 to 255
    int BorderInnerWidth = 0;  // 0 to 255
    TLMDEdgeStyle EdgeStyle = etEtched;
    TColor LightColor = clBtnHighlight;
    TLMDBevelMode Mode = bmCustom;
    TColor ShadowColor = clBtnShadow;
    TLMDBorderStyle StandardStyle = lsSingleLowered;

    bool operator==(const TLMDBevelSettings&) const = default;
};

// How many pixels the standard frame of a style takes on each side.
int LMDStdFrameWidth(TLMDBorderStyle style);

// The room the bevel takes on each side. ownerBorder: the owning panel draws bmWindows as its window's
// own border, so the bevel takes no room for it.
int LMDBevelExtent(const TLMDBevelSettings& bevel, bool ownerBorder);
// The room on the right and bottom sides, which differs from the extent only for the shadow frame.
int LMDBevelRightBottomExtent(const TLMDBevelSettings& bevel, bool ownerBorder);
// The room on the left and top sides (the extent, except for the shadow frame).
int LMDBevelLeftTopExtent(const TLMDBevelSettings& bevel, bool ownerBorder);
