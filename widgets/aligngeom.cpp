#include "widgets/aligngeom.h"

namespace {

// Where the box starts along one axis: 0 = near edge, 1 = centred, 2 = far edge.
int64_t AxisOffset(int placement, int64_t outerSize, int64_t innerSize) {
    const int64_t difference = outerSize - innerSize;
    if (placement == 0)
        return 0;
    return placement == 1 ? difference / 2 : difference;  // C++ division truncates toward zero
}

}  // namespace

TGeomRect LMDAlignRect(TLMDAlignment alignment, const TGeomRect& inner, const TGeomRect& outer) {
    const int column = alignment % 3, row = alignment / 3;
    const int64_t left = outer.left + AxisOffset(column, outer.Width(), inner.Width());
    const int64_t top = outer.top + AxisOffset(row, outer.Height(), inner.Height());
    return TGeomRect{SaturateInt32(left), SaturateInt32(top), SaturateInt32(left + inner.Width()),
                     SaturateInt32(top + inner.Height())};
}
