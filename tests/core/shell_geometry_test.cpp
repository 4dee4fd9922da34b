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

}  // namespace
