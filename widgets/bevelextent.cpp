#include "widgets/beveltypes.h"

int LMDStdFrameWidth(TLMDBorderStyle style) {
    switch (style) {
        case lsNone:
            return 0;
        case lsSingle:
        case lsSingleRaised:
        case lsSingleLowered:
            return 1;
        default:
            return 2;
    }
}

namespace {
bool IsShadowFrame(const TLMDBevelSettings& bevel) {
    return bevel.Mode == bmCustom && bevel.StyleOuter == bvShadow;
}

// One 3-D frame's room: its width, one more for the framed styles.
int StyleRoom(TLMDBevelStyle style, int width) {
    if (style == bvNone)
        return 0;
    return width + (style == bvFrameLowered || style == bvFrameRaised ? 1 : 0);
}
}  // namespace

int LMDBevelExtent(const TLMDBevelSettings& bevel, bool ownerBorder) {
    switch (bevel.Mode) {
        case bmCustom:
            if (bevel.StyleInner == bvShadow)
                return bevel.WidthInner + bevel.BorderInnerWidth;
            return bevel.BorderWidth + bevel.BorderInnerWidth + StyleRoom(bevel.StyleOuter, bevel.WidthOuter) +
                   StyleRoom(bevel.StyleInner, bevel.WidthInner);
        case bmStandard:
            return LMDStdFrameWidth(bevel.StandardStyle) + bevel.BorderInnerWidth;
        case bmEdge:
            return (bevel.BorderSides != 0 ? 2 : 0) + bevel.BorderInnerWidth;
        case bmWindows:
            return ownerBorder ? 0 : bevel.BorderInnerWidth + 2;
    }
    return 0;
}

int LMDBevelLeftTopExtent(const TLMDBevelSettings& bevel, bool ownerBorder) {
    if (IsShadowFrame(bevel))
        return bevel.WidthInner + bevel.BorderInnerWidth;
    return LMDBevelExtent(bevel, ownerBorder);
}

int LMDBevelRightBottomExtent(const TLMDBevelSettings& bevel, bool ownerBorder) {
    if (IsShadowFrame(bevel))
        return bevel.WidthInner + bevel.WidthOuter + bevel.BorderInnerWidth;
    return LMDBevelExtent(bevel, ownerBorder);
}
