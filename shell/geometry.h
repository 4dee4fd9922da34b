#pragma once
// Arithmetic on control coordinates. Positions and sizes may come from outside the program (a menu
// definition holds any 32-bit values, negative ones included), so sums and differences are computed
// wide and saturated instead of being allowed to overflow.

#include <cstdint>
#include <limits>

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
