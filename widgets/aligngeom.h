#pragma once
// Placing one rectangle inside another by one of nine alignments, in portable integer geometry.

#include <cstdint>

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

// A rectangle with the same fields as the platform's RECT: right and bottom are exclusive.
struct TGeomRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int64_t Width() const { return int64_t{right} - left; }
    int64_t Height() const { return int64_t{bottom} - top; }
    bool operator==(const TGeomRect&) const = default;
};

// A rectangle of inner's size placed in outer: x is 0, (W - w) / 2 or W - w for the left, centred and
// right alignments, y likewise, the division truncating toward zero. A box larger than outer overhangs
// on both sides, by one pixel more on the far side when the difference is odd. Coordinates that would
// leave the 32-bit range are held at its ends.
TGeomRect LMDAlignRect(TLMDAlignment alignment, const TGeomRect& inner, const TGeomRect& outer);
