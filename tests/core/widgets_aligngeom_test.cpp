#include "widgets/aligngeom.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct Placement {
    TLMDAlignment alignment;
    TGeomRect inner, outer, expected;
};

TEST(AlignRect, PlacesByEachAlignmentTruncatingTheDivisionTowardZero) {
    // A 10 x 4 box in the 30 x 11 rectangle at (5, 7): differences 20 and 7 (odd).
    const TGeomRect box{100, 200, 110, 204}, area{5, 7, 35, 18};
    const Placement table[] = {
        {agTopLeft, box, area, {5, 7, 15, 11}},
        {agTopCenter, box, area, {15, 7, 25, 11}},
        {agTopRight, box, area, {25, 7, 35, 11}},
        {agCenterLeft, box, area, {5, 10, 15, 14}},
        {agCenter, box, area, {15, 10, 25, 14}},
        {agCenterRight, box, area, {25, 10, 35, 14}},
        {agBottomLeft, box, area, {5, 14, 15, 18}},
        {agBottomCenter, box, area, {15, 14, 25, 18}},
        {agBottomRight, box, area, {25, 14, 35, 18}},
        // Caption boxes 104 x 26 and 105 x 25 on a button's content (1, 1)-(232, 23): -3 / 2 is -1, not -2.
        {agCenter, {0, 0, 104, 26}, {1, 1, 232, 23}, {64, -1, 168, 25}},
        {agCenter, {0, 0, 105, 25}, {1, 1, 232, 23}, {64, 0, 169, 25}},
        // Larger boxes overhang both sides, the far side by one more pixel when the difference is odd.
        {agCenter, {0, 0, 15, 5}, {0, 0, 10, 10}, {-2, 2, 13, 7}},
        {agBottomRight, {0, 0, 15, 13}, {0, 0, 10, 10}, {-5, -3, 10, 10}},
        {agCenterLeft, {0, 0, 4, 13}, {-10, -10, 0, 0}, {-10, -11, -6, 2}},
        {agCenter, {0, 0, 0, 0}, {0, 0, 9, 9}, {4, 4, 4, 4}},
    };
    for (const Placement& p : table)
        EXPECT_EQ(LMDAlignRect(p.alignment, p.inner, p.outer), p.expected) << int{p.alignment};
}

TEST(AlignRect, ExtremeCoordinatesStayInRange) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
    const TGeomRect huge{kMin, kMin, kMax, kMax};
    EXPECT_EQ(LMDAlignRect(agTopLeft, huge, {kMax - 10, 0, kMax, 10}), (TGeomRect{kMax - 10, 0, kMax, kMax}));
    // (2^32 - 1 - 10) / 2 from the minimum
    EXPECT_EQ(LMDAlignRect(agCenter, {0, 0, 10, 10}, huge), (TGeomRect{-6, -6, 4, 4}));
}

}  // namespace
