#include <gtest/gtest.h>

#include <climits>

#include "shell/focusorder.h"

namespace {

// Two columns of three rows; entry 2 is disabled and entry 4 has no size, between enabled ones.
//   0 1
//   2 3      (2 cannot take the focus)
//   5 6      (4 lies nowhere)
const std::vector<FocusTarget> kTwoColumns = {
    {{20, 30, 170, 58}, true}, {{200, 30, 350, 58}, true},  {{20, 70, 170, 98}, false},   {{200, 70, 350, 98}, true},
    {{0, 0, 0, 0}, false},     {{20, 110, 170, 138}, true}, {{200, 110, 350, 138}, true},
};

TEST(FocusOrder, MovesAmongTheControlsThatMayTakeTheFocus) {
    const struct {
        FocusMove move;
        int from, to;
    } cases[] = {
        // Tab: entry order, skipping what cannot take the focus, round from the last to the first.
        {FocusMove::Next, -1, 0},
        {FocusMove::Next, 0, 1},
        {FocusMove::Next, 1, 3},
        {FocusMove::Next, 3, 5},
        {FocusMove::Next, 6, 0},
        // Shift+Tab: the same backwards.
        {FocusMove::Previous, -1, 6},
        {FocusMove::Previous, 0, 6},
        {FocusMove::Previous, 5, 3},
        {FocusMove::Previous, 3, 1},
        {FocusMove::First, 6, 0},
        {FocusMove::Last, 0, 6},
        {FocusMove::First, -1, 0},
        // Arrows: the nearest in the direction, the same row or column first.
        {FocusMove::Right, 0, 1},
        {FocusMove::Left, 1, 0},
        {FocusMove::Down, 0, 5},  // over the disabled one
        {FocusMove::Down, 1, 3},
        {FocusMove::Up, 5, 0},
        {FocusMove::Up, 6, 3},
        {FocusMove::Left, 3, 0},  // 0 and 5 are as near: the earlier entry
        {FocusMove::Right, 5, 6},
        // Nothing lies that way.
        {FocusMove::Right, 1, -1},
        {FocusMove::Up, 0, -1},
        {FocusMove::Down, 6, -1},
        {FocusMove::Left, 5, -1},
        // From nothing, the arrows start at one end.
        {FocusMove::Down, -1, 0},
        {FocusMove::Right, -1, 0},
        {FocusMove::Up, -1, 6},
        {FocusMove::Left, -1, 6},
        {FocusMove::Next, 99, 0},  // an index that names no control is nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(MoveFocus(kTwoColumns, c.from, c.move), c.to)
            << "move " << static_cast<int>(c.move) << " from " << c.from;
}

TEST(FocusOrder, PrefersTheSameRowToANearerDiagonalControl) {
    // From 0, control 1 lies 100 to the right in the same row, control 2 only 60 right but 40 lower.
    const std::vector<FocusTarget> targets = {
        {{0, 0, 20, 20}, true}, {{100, 0, 120, 20}, true}, {{60, 40, 80, 60}, true}};
    EXPECT_EQ(MoveFocus(targets, 0, FocusMove::Right), 1);
    // Without the one in the row, the diagonal one is still to the right.
    EXPECT_EQ(MoveFocus({targets[0], {{100, 0, 120, 20}, false}, targets[2]}, 0, FocusMove::Right), 2);
    // A control overlapping the focused one's centre line does not lie beyond it.
    EXPECT_EQ(MoveFocus({{{0, 0, 40, 20}, true}, {{10, 30, 30, 50}, true}}, 0, FocusMove::Right), -1);
}

TEST(FocusOrder, FindsNothingWhereNoControlMayTakeTheFocus) {
    const std::vector<FocusTarget> none = {{{0, 0, 10, 10}, false}, {{20, 0, 30, 10}, false}};
    for (FocusMove move : {FocusMove::Next, FocusMove::Previous, FocusMove::First, FocusMove::Last, FocusMove::Left,
                           FocusMove::Right, FocusMove::Up, FocusMove::Down}) {
        EXPECT_EQ(MoveFocus(none, -1, move), -1);
        EXPECT_EQ(MoveFocus({}, -1, move), -1);
    }
    // The only control that may take the focus keeps it on Tab and Shift+Tab.
    const std::vector<FocusTarget> one = {{{0, 0, 10, 10}, false}, {{20, 0, 30, 10}, true}};
    EXPECT_EQ(MoveFocus(one, 1, FocusMove::Next), 1);
    EXPECT_EQ(MoveFocus(one, 1, FocusMove::Previous), 1);
    EXPECT_EQ(MoveFocus(one, 1, FocusMove::Left), -1);
}

TEST(FocusOrder, MeasuresControlsAtTheEndsOfTheCoordinateRangeWithoutOverflow) {
    const std::vector<FocusTarget> targets = {
        {{INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}, true},
        {{INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX}, true},
        {{INT_MAX - 10, INT_MIN, INT_MAX, INT_MIN + 10}, true},
    };
    EXPECT_EQ(MoveFocus(targets, 0, FocusMove::Right), 2);
    EXPECT_EQ(MoveFocus(targets, 0, FocusMove::Down), 1);
    EXPECT_EQ(MoveFocus(targets, 1, FocusMove::Up), 2);
    EXPECT_EQ(MoveFocus(targets, 1, FocusMove::Left), 0);
}

}  // namespace
