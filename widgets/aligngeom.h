#pragma once
// Placing one rectangle inside another by one of nine alignments, in portable integer geometry.

#include <cstdint>

#include "shell/geometry.h"

enum TLMDAlignment : uint8_t {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight
};

// A rectangle of inner's size placed in outer: x is 0, (W - w) / 2 or W - w for the left, centred and
// right alignments, y likewise, the division truncating toward zero. A box larger than outer overhangs
// on both sides, by one pixel more on the far side when the difference is odd. Coordinates that would
// leave the 32-bit range are held at its ends.
TGeomRect LMDAlignRect(TLMDAlignment alignment, const TGeomRect& inner, const TGeomRect& outer);
