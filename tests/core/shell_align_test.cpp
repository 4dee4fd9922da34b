#include <gtest/gtest.h>

#include <climits>

#include "shell/align.h"

namespace {

TEST(AlignInArea, EachKindTakesItsStripAndLeavesTheRestInOrder) {
    TGeomRect area{0, 0, 100, 80};
    const struct {
        TAlign align;
        int32_t width, height;
        TAlignedBounds placed;
        TGeomRect left;  // the area after it
    } steps[] = {
        {alTop, 7, 10, {0, 0, 100, 10}, {0, 10, 100, 80}},  // the child's own width does not count
        {alBottom, 7, 20, {0, 60, 100, 20}, {0, 10, 100, 60}},
        {alLeft, 15, 3, {0, 10, 15, 50}, {15, 10, 100, 60}},  // nor its own height
        {alRight, 25, 3, {75, 10, 25, 50}, {15, 10, 75, 60}},
        {alClient, 1, 1, {15, 10, 60, 50}, {15, 10, 75, 60}},  // the client child leaves the area as it was
        {alClient, 9, 9, {15, 10, 60, 50}, {15, 10, 75, 60}},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(AlignInArea(s.align, area, s.width, s.height), s.placed) << int{s.align};
        EXPECT_EQ(area, s.left) << int{s.align};
    }
}

TEST(AlignInArea, AnOverfullAreaLeavesAClientChildEmptyAndCoordinatesSaturate) {
    TGeomRect area{0, 0, 10, 10};
    EXPECT_EQ(AlignInArea(alTop, area, 0, 30), (TAlignedBounds{0, 0, 10, 30}));
    EXPECT_EQ(area, (TGeomRect{0, 30, 10, 10}));
    EXPECT_EQ(AlignInArea(alLeft, area, 4, 0), (TAlignedBounds{0, 30, 4, -20}));  // what is left is negative
    EXPECT_EQ(AlignInArea(alClient, area, 5, 5), (TAlignedBounds{4, 30, 6, 0}));

    TGeomRect far{INT_MAX - 5, INT_MIN + 5, INT_MAX, INT_MAX};
    EXPECT_EQ(AlignInArea(alLeft, far, 10, 0).left, INT_MAX - 5);
    EXPECT_EQ(far.left, INT_MAX);
    EXPECT_EQ(AlignInArea(alBottom, far, 0, INT_MAX).top, 0);
    EXPECT_EQ(AlignInArea(alRight, far, INT_MAX, 0).left, 0);
    EXPECT_EQ(AlignInArea(alClient, far, 0, 0), (TAlignedBounds{INT_MAX, INT_MIN + 5, 0, INT_MAX - 4}));
}

}  // namespace
