#pragma once
// Arithmetic on control coordinates. Positions and sizes may come from outside the program (a menu
// definition holds any 32-bit values, negative ones included), so sums and differences are computed
// wide and saturated instead of being allowed to overflow.

#include <cstdint>
#include <limits>

// The value held at the ends of the 32-bit range.
inline int32_t SaturateInt32(int64_t value) {
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min(), highest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < lowest ? lowest : value > highest ? highest : value);
}

inline int32_t SaturatedAdd(int32_t a, int32_t b) {
    return SaturateInt32(static_cast<int64_t>(a) + b);
}

inline int32_t SaturatedSub(int32_t a, int32_t b) {
    return SaturateInt32(static_cast<int64_t>(a) - b);
}

// The 16-bit coordinate of a mouse message's position word.
inline int16_t SaturateInt16(int64_t value) {
    return static_cast<int16_t>(value < -32768 ? -32768 : value > 32767 ? 32767 : value);
}

// A rectangle with the same fields as the platform's RECT: right and bottom are exclusive.
struct TGeomRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int64_t Width() const { return int64_t{right} - left; }
    int64_t Height() const { return int64_t{bottom} - top; }
    bool operator==(const TGeomRect&) const = default;
};

// Whether a point lies in a rectangle: the left and top edges belong to it, the right and bottom
// ones do not (the platform's PtInRect).
inline bool Contains(const TGeomRect& rect, int64_t x, int64_t y) {
    return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom;
}

// Every edge belongs to the rectangle: the rule of a held button, on which a drag to its far edges
// still counts as on it.
inline bool ContainsWithFarEdges(const TGeomRect& rect, int64_t x, int64_t y) {
    return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

// The left, top and bottom edges belong to the rectangle, the right one does not: the rule of a
// button's release and of its hover check, for which the row just below the button still counts.
inline bool ContainsWithBottomEdge(const TGeomRect& rect, int64_t x, int64_t y) {
    return rect.left <= x && x < rect.right && rect.top <= y && y <= rect.bottom;
}

// No edge belongs to the rectangle.
inline bool ContainsStrictly(const TGeomRect& rect, int64_t x, int64_t y) {
    return rect.left < x && x < rect.right && rect.top < y && y < rect.bottom;
}
