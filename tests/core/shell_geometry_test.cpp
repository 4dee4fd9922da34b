#include <gtest/gtest.h>

#include <climits>

#include "shell/geometry.h"

namespace {

TEST(ControlGeometry, SumsAndDifferencesSaturateAtTheInt32Range) {
    const struct {
        int32_t a, b, sum, difference;
    } cases[] = {
        {5, 3, 8, 2},
        {INT_MAX, 1, INT_MAX, INT_MAX - 1},
        {INT_MIN, -1, INT_MIN, INT_MIN + 1},
        {INT_MIN, INT_MAX, -1, INT_MIN},
        {INT_MAX, INT_MIN, -1, INT_MAX},
        {-40000, 60000, 20000, -100000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SaturatedAdd(c.a, c.b), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(SaturatedSub(c.a, c.b), c.difference) << c.a << " - " << c.b;
    }
}

TEST(ControlGeometry, MousePositionWordsSaturateAtSixteenBits) {
    EXPECT_EQ(SaturateInt16(70000), 32767);
    EXPECT_EQ(SaturateInt16(-70000), -32768);
    EXPECT_EQ(SaturateInt16(-5), -5);
    EXPECT_EQ(SaturateInt32(int64_t{1} << 40), INT_MAX);
}

TEST(ControlGeometry, EachPointInsideRuleTakesItsOwnEdges) {
    const TGeomRect box{10, 20, 30, 40};
    const struct {
        int64_t x, y;
        bool halfOpen, farEdges, bottomEdge, strictly;
    } cases[] = {
        {15, 25, true, true, true, true},      // well inside
        {10, 20, true, true, true, false},     // the top-left corner
        {30, 25, false, true, false, false},   // the right edge
        {15, 40, false, true, true, false},    // the bottom edge
        {30, 40, false, true, false, false},   // the bottom-right corner
        {9, 25, false, false, false, false},   // left of the rectangle
        {15, 41, false, false, false, false},  // below it
        {11, 21, true, true, true, true},      // one pixel in from the top-left corner
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Contains(box, c.x, c.y), c.halfOpen) << c.x << "," << c.y;
        EXPECT_EQ(ContainsWithFarEdges(box, c.x, c.y), c.farEdges) << c.x << "," << c.y;
        EXPECT_EQ(ContainsWithBottomEdge(box, c.x, c.y), c.bottomEdge) << c.x << "," << c.y;
        EXPECT_EQ(ContainsStrictly(box, c.x, c.y), c.strictly) << c.x << "," << c.y;
    }
}

}  // namespace
