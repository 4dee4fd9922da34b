#include <gtest/gtest.h>

#include "widgets/beveltypes.h"

namespace {

TEST(BevelExtent, CountsTheRoomOfEveryMode) {
    struct Case {
        const char* name;
        TLMDBevelSettings bevel;
        bool ownerBorder;
        int extent, rightBottom;
    };
    auto with = [](auto change) {
        TLMDBevelSettings s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"construction values", {}, true, 0, 0},
        {"raised, gap, lowered", with([](auto& s) {
             s.StyleOuter = bvRaised;
             s.BorderWidth = 2;
             s.StyleInner = bvLowered;
         }),
         true, 4, 4},
        {"framed styles take one more", with([](auto& s) {
             s.StyleOuter = bvFrameRaised;
             s.WidthOuter = 3;
             s.StyleInner = bvFrameLowered;
             s.BorderInnerWidth = 1;
         }),
         true, 7, 7},
        {"shadow", with([](auto& s) {
             s.StyleOuter = s.StyleInner = bvShadow;
             s.WidthInner = 2;
             s.WidthOuter = 5;
             s.BorderWidth = 9;  // not used by the shadow frame
             s.BorderInnerWidth = 1;
         }),
         true, 3, 8},
        {"standard single lowered", with([](auto& s) { s.Mode = bmStandard; }), true, 1, 1},
        {"standard lowered with inner border", with([](auto& s) {
             s.Mode = bmStandard;
             s.StandardStyle = lsLoweredExt;
             s.BorderInnerWidth = 3;
         }),
         true, 5, 5},
        {"standard none", with([](auto& s) {
             s.Mode = bmStandard;
             s.StandardStyle = lsNone;
         }),
         true, 0, 0},
        {"edge", with([](auto& s) { s.Mode = bmEdge; }), true, 2, 2},
        {"edge without sides", with([](auto& s) {
             s.Mode = bmEdge;
             s.BorderSides = 0;
             s.BorderInnerWidth = 1;
         }),
         true, 1, 1},
        {"window border drawn by the owner", with([](auto& s) { s.Mode = bmWindows; }), true, 0, 0},
        {"window border drawn by the bevel", with([](auto& s) {
             s.Mode = bmWindows;
             s.BorderInnerWidth = 1;
         }),
         false, 3, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LMDBevelExtent(c.bevel, c.ownerBorder), c.extent) << c.name;
        EXPECT_EQ(LMDBevelRightBottomExtent(c.bevel, c.ownerBorder), c.rightBottom) << c.name;
    }
}

}  // namespace
