#include <gtest/gtest.h>

#include "tests/win/widgets_bitmaplist_fixture.h"

namespace {

using bitmaplisttest::kFill;
using bitmaplisttest::NewItem;
using bitmaplisttest::Rgb24At;
using bitmaplisttest::Surface;

// A 10 x 6 picture drawn with the flags into the rectangle; the expected pixels, (x, y) -> source
// pixel (sx, sy) or the untouched fill (sx = -1).
struct FlagCase {
    const char* what;
    uint16_t flags;
    RECT rect;
    struct Probe {
        int x, y, sx, sy;
    } probes[4];
};

TEST(BitmapListFlags, PlaceTheOneCopy) {
    const FlagCase cases[] = {
        {"natural size", 0, {5, 5, 40, 40}, {{5, 5, 0, 0}, {14, 10, 9, 5}, {15, 5, -1, 0}, {5, 11, -1, 0}}},
        {"centred", kDrawCenter, {0, 0, 25, 15}, {{7, 4, 0, 0}, {16, 9, 9, 5}, {6, 4, -1, 0}, {17, 10, -1, 0}}},
        // (5 - 10) div 2 and (3 - 6) div 2 round towards zero: -2 and -1.
        {"centred, larger than the target",
         kDrawCenter,
         {20, 20, 25, 23},
         {{20, 20, 2, 1}, {27, 24, 9, 5}, {28, 20, -1, 0}, {20, 25, -1, 0}}},
        {"stretched", kDrawStretch, {0, 0, 20, 12}, {{19, 11, 9, 5}, {2, 2, 1, 1}, {20, 0, -1, 0}, {0, 12, -1, 0}}},
        {"height follows width",
         kDrawStretch | kDrawHeightFollows,
         {0, 0, 20, 30},
         {{19, 11, 9, 5}, {0, 12, -1, 0}, {2, 2, 1, 1}, {20, 0, -1, 0}}},
        {"width follows height",
         kDrawStretch | kDrawWidthFollows,
         {0, 0, 40, 12},
         {{19, 11, 9, 5}, {20, 0, -1, 0}, {2, 2, 1, 1}, {0, 12, -1, 0}}},
        {"fitted, wide target",
         kDrawStretch | kDrawWidthFollows | kDrawHeightFollows,
         {0, 0, 40, 12},
         {{19, 11, 9, 5}, {20, 0, -1, 0}, {2, 2, 1, 1}, {0, 12, -1, 0}}},
        {"fitted, tall target",
         kDrawStretch | kDrawWidthFollows | kDrawHeightFollows,
         {0, 0, 20, 40},
         {{19, 11, 9, 5}, {0, 12, -1, 0}, {2, 2, 1, 1}, {20, 0, -1, 0}}},
    };
    for (const FlagCase& c : cases) {
        TLMDBitmapList list(nullptr);
        list.Add(NewItem(list, 10, 6));
        Surface target(60, 60);
        list.DrawExt(target.canvas, c.rect, c.flags, 0, 0);
        for (const auto& p : c.probes)
            EXPECT_EQ(target.At(p.x, p.y), p.sx < 0 ? kFill : Rgb24At(p.sx, p.sy))
                << c.what << " at " << p.x << "," << p.y;
    }
}

TEST(BitmapListFlags, TransparentColourMaskAndBrushCopy) {
    TLMDBitmapList list(nullptr);
    list.Add(NewItem(list, 10, 6));
    {
        // 0x40: the pixels of the colour argument are left out.
        Surface target(20, 20);
        list.ClipDraw(target.canvas, RECT{0, 0, 10, 6}, kDrawTransparent, 0, Rgb24At(3, 2), 0, 0);
        EXPECT_EQ(target.At(3, 2), kFill);
        EXPECT_EQ(target.At(4, 2), Rgb24At(4, 2));
        EXPECT_EQ(target.At(3, 3), Rgb24At(3, 3));
    }
    {
        // 0x80: the transparent colour (the bottom-left pixel's) takes the colour argument.
        EXPECT_EQ(list.TransparentColor(0, 0), static_cast<TColor>(Rgb24At(0, 5)));
        Surface target(20, 20);
        list.ClipDraw(target.canvas, RECT{0, 0, 10, 6}, kDrawBrushCopy, 0, clBlue, 0, 0);
        EXPECT_EQ(target.At(0, 5), RGB(0, 0, 255));
        EXPECT_EQ(target.At(1, 5), Rgb24At(1, 5));
        EXPECT_EQ(target.At(0, 4), Rgb24At(0, 4));
    }
    {
        // 0x100: white in the caller's mask leaves the target alone.
        const BYTE rows[12] = {0xF8, 0, 0xF8, 0, 0xF8, 0, 0xF8, 0, 0xF8, 0, 0xF8, 0};  // left 5 columns white
        UniqueBitmap mask(CreateBitmap(10, 6, 1, 1, rows));
        Surface target(20, 20);
        list.ClipDraw(target.canvas, RECT{0, 0, 10, 6}, kDrawMasked, 0, 0, 0, 0, mask.get());
        EXPECT_EQ(target.At(4, 3), kFill);
        EXPECT_EQ(target.At(5, 3), Rgb24At(5, 3));
    }
}

TEST(BitmapListFlags, ClipToTheRectangleMovedByTheOffsetThenRestore) {
    TLMDBitmapList list(nullptr);
    list.Add(NewItem(list, 10, 6));
    Surface target(60, 40);
    const int offset = 5 | 3 << 16;
    list.ClipDraw(target.canvas, RECT{0, 0, 30, 20}, kDrawTile | kDrawClip, offset, 0, 0, 0);
    EXPECT_EQ(target.At(4, 3), kFill);
    EXPECT_EQ(target.At(5, 2), kFill);
    EXPECT_EQ(target.At(5, 3), Rgb24At(5, 3));
    EXPECT_EQ(target.At(34, 22), Rgb24At(4, 4));
    EXPECT_EQ(target.At(35, 22), kFill);
    EXPECT_EQ(target.At(34, 23), kFill);
    // A negative half: 0xFFFE is -2.
    Surface left(60, 40);
    list.ClipDraw(left.canvas, RECT{0, 0, 30, 20}, kDrawTile | kDrawClip, 0xFFFE, 0, 0, 0);
    EXPECT_EQ(left.At(27, 0), Rgb24At(7, 0));
    EXPECT_EQ(left.At(28, 0), kFill);
    // The clipping is gone afterwards.
    list.Draw(left.canvas, 40, 30, 0, 0);
    EXPECT_EQ(left.At(49, 35), Rgb24At(9, 5));
}

}  // namespace
