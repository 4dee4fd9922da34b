#pragma once
// Where the aligned children of a windowed control go: each in turn takes a strip off an edge of the
// area the earlier ones left (or all of it), in portable terms. TWinControl::AlignControls
// (wincontrol_win.cpp) walks the children in the order of kAlignOrder.

#include <cstdint>

#include "shell/geometry.h"

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The children are placed by kind in this order, each kind in the order of the children.
inline constexpr TAlign kAlignOrder[] = {alTop, alBottom, alLeft, alRight, alClient};

// A child's bounds (left, top, width, height), as SetBounds takes them.
struct TAlignedBounds {
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TAlignedBounds&) const = default;
};

// The bounds of a child of the given size and alignment in the area, and the area it leaves: a top
// or bottom child keeps its height and takes the area's width, a left or right one keeps its width
// and takes the area's height, a client child takes the whole area (no less than empty) and leaves
// it as it was. Coordinates are held at the ends of the 32-bit range. alNone leaves the child alone:
// nothing to place.
TAlignedBounds AlignInArea(TAlign align, TGeomRect& area, int32_t width, int32_t height);
