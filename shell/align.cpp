#include "shell/align.h"

#include <algorithm>

TAlignedBounds AlignInArea(TAlign align, TGeomRect& area, int32_t width, int32_t height) {
    const int32_t areaWidth = SaturateInt32(area.Width()), areaHeight = SaturateInt32(area.Height());
    switch (align) {
        case alTop: {
            const TAlignedBounds placed{area.left, area.top, areaWidth, height};
            area.top = SaturatedAdd(area.top, height);
            return placed;
        }
        case alBottom: {
            const TAlignedBounds placed{area.left, SaturatedSub(area.bottom, height), areaWidth, height};
            area.bottom = SaturatedSub(area.bottom, height);
            return placed;
        }
        case alLeft: {
            const TAlignedBounds placed{area.left, area.top, width, areaHeight};
            area.left = SaturatedAdd(area.left, width);
            return placed;
        }
        case alRight: {
            const TAlignedBounds placed{SaturatedSub(area.right, width), area.top, width, areaHeight};
            area.right = SaturatedSub(area.right, width);
            return placed;
        }
        case alClient:
            return TAlignedBounds{area.left, area.top, std::max(0, areaWidth), std::max(0, areaHeight)};
        default:
            return TAlignedBounds{};
    }
}
