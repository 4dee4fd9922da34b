#include <gtest/gtest.h>

#include <vector>

#include "shell/accessiblenav.h"

namespace {

TNavElement Box(int32_t x, int32_t y, int32_t w, int32_t h, bool hidden = false) {
    return TNavElement{TGeomRect{x, y, x + w, y + h}, hidden};
}

// A column of two on the left, a wide one at the right between them, one hidden above the first and
// one at the far right overlapping the wide one.
//   1 (0,0 50x20)          3 (80,15 100x20)   5 (170,10 40x40)
//   2 (0,40 50x20)
//   4 hidden (0,-40 50x20)
const std::vector<TNavElement> kElements = {
    Box(0, 0, 50, 20), Box(0, 40, 50, 20), Box(80, 15, 100, 20), Box(0, -40, 50, 20, true), Box(170, 10, 40, 40),
};

TEST(AccessibleNavigation, MovesInOrderAndIntoTheObjectsChildren) {
    const long count = 6;  // the five elements and one child window
    const struct {
        long direction, from;
        TNavigation::Kind kind;
        long id;
    } cases[] = {
        {navFirstChild, 0, TNavigation::ToChild, 1},
        {navLastChild, 0, TNavigation::ToChild, 6},
        {navNext, 0, TNavigation::ToSystem, 0},  // the window among its siblings
        {navUp, 0, TNavigation::ToSystem, 0},
        {navNext, 1, TNavigation::ToChild, 2},
        {navNext, 5, TNavigation::ToChild, 6},  // from the last element to the child window
        {navNext, 6, TNavigation::ToChild, 0},
        {navPrevious, 6, TNavigation::ToChild, 5},
        {navPrevious, 1, TNavigation::ToChild, 0},
        {navFirstChild, 2, TNavigation::ToChild, 0},
        {navLastChild, 6, TNavigation::ToChild, 0},
        {navDown, 6, TNavigation::Unsupported, 0},  // a child window is not moved from by place
        {9, 1, TNavigation::Unsupported, 0},
    };
    for (const auto& c : cases) {
        const TNavigation to = Navigate(c.direction, c.from, count, kElements);
        EXPECT_EQ(to.kind, c.kind) << c.direction << " from " << c.from;
        EXPECT_EQ(to.id, c.id) << c.direction << " from " << c.from;
    }
    const TNavigation empty = Navigate(navFirstChild, 0, 0, {});
    EXPECT_EQ(empty.kind, TNavigation::ToChild);
    EXPECT_EQ(empty.id, 0);
}

TEST(AccessibleNavigation, ByPlaceTakesTheSmallestGapThenTheNearestCentreAndSkipsHiddenOnes) {
    const struct {
        long direction;
        int from;  // an index
        long expected;
    } cases[] = {
        {navDown, 0, 2},   // 3 and 5 reach above 1's bottom: only 2 lies wholly below
        {navDown, 2, 2},   // wholly below 3, though not under it: only the gap counts
        {navUp, 1, 3},     // 3's gap (5) is smaller than 1's (20)
        {navUp, 0, 0},     // only the hidden 4 lies above
        {navRight, 0, 3},  // gaps 30 and 120
        {navLeft, 2, 1},   // 1 and 2 at the same gap: 1's centre lies nearer 3's
        {navRight, 2, 0},  // 5 overlaps 3
        {navLeft, 4, 1},   // 1 and 2 at the same gap and offset: the first
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavigateByPlace(c.direction, c.from, kElements), c.expected) << c.direction << " from " << c.from;
    // At the same gap a later element whose centre lies nearer wins.
    const std::vector<TNavElement> row = {Box(0, 0, 10, 10), Box(20, 30, 10, 10), Box(20, 0, 10, 10)};
    EXPECT_EQ(NavigateByPlace(navRight, 0, row), 3);
}

TEST(AccessibleNavigation, HitTestFindsTheTopmostShownElementByTheHalfOpenRule) {
    const struct {
        int64_t x, y;
        long expected;
    } cases[] = {
        {0, 0, 1},     // the top-left corner belongs to the element
        {49, 19, 1},   //
        {50, 10, 0},   // the right edge does not
        {10, 20, 0},   // nor the bottom one
        {175, 20, 5},  // 3 and 5 overlap: the later one lies above
        {100, 20, 3},  //
        {10, -30, 0},  // a hidden element is not found
        {-1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitElement(kElements, c.x, c.y), c.expected) << c.x << "," << c.y;
}

}  // namespace
