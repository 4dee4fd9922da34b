#include <gtest/gtest.h>

#include <vector>

#include "base/exceptions.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/common/pixels_win.h"
#include "tests/win/widgets_picturelist.h"
#include "tests/win/widgets_probe.h"
#include "tests/win/widgets_snapshot.h"
#include "widgets/backpanel_win.h"
#include "widgets/bevel_win.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
COLORREF Light() {
    return GetSysColor(COLOR_BTNHIGHLIGHT);
}
COLORREF Shadow() {
    return GetSysColor(COLOR_BTNSHADOW);
}

// Draws a bevel on a white 40 x 30 canvas.
struct BevelPicture {
    static constexpr int kWidth = 40, kHeight = 30;
    RECT inside{};
    TPixelGrid pixels;

    BevelPicture(TLMDBevel& bevel, bool transparent)
        : pixels(TPixelGrid::OfPainting(kWidth, kHeight, kWhite, [&](HDC dc) {
              TCanvas canvas;
              canvas.SetHandle(dc);
              inside = bevel.PaintBevel(canvas, RECT{0, 0, kWidth, kHeight}, transparent);
              canvas.SetHandle(nullptr);
          })) {}
    COLORREF At(int x, int y) const { return pixels.At(x, y); }
};

TEST(BevelPainting, DrawsEachModeInsideTheRectangleAndAnswersWhatIsLeft) {
    struct Case {
        const char* name;
        void (*setUp)(TLMDBevel&);
        bool transparent;
        int inset;
        std::vector<COLORREF (*)()> left;   // the middle row from the left edge inwards
        std::vector<COLORREF (*)()> right;  // and from the right edge inwards
    };
    static auto white = [] { return kWhite; };
    static auto red = [] { return kRed; };
    const Case cases[] = {
        {"menu settings", [](TLMDBevel&) {}, false, 0, {white}, {white}},
        {"raised, gap, lowered",
         [](TLMDBevel& b) {
             b.SetStyleOuter(bvRaised);
             b.SetBorderWidth(2);
             b.SetStyleInner(bvLowered);
             b.SetBorderColor(clRed);
         },
         true,
         4,
         {Light, white, white, Shadow, white},
         {Shadow, white, white, Light, white}},
        {"raised, border, lowered",
         [](TLMDBevel& b) {
             b.SetStyleOuter(bvRaised);
             b.SetBorderWidth(2);
             b.SetStyleInner(bvLowered);
             b.SetBorderColor(clRed);
         },
         false,
         4,
         {Light, red, red, Shadow, white},
         {Shadow, red, red, Light, white}},
        {"two pixels raised",
         [](TLMDBevel& b) {
             b.SetStyleOuter(bvRaised);
             b.SetWidthOuter(2);
         },
         false,
         2,
         {Light, Light, white},
         {Shadow, Shadow, white}},
        {"framed lowered",
         [](TLMDBevel& b) { b.SetStyleOuter(bvFrameLowered); },
         false,
         2,
         {Shadow, Light, white},
         {Light, Shadow, white}},
        {"standard single lowered",
         [](TLMDBevel& b) { b.SetMode(bmStandard); },
         false,
         1,
         {Shadow, white},
         {Light, white}},
        {"edge without sides",
         [](TLMDBevel& b) {
             b.SetMode(bmEdge);
             b.SetBorderSides(0);
             b.SetBorderInnerWidth(1);
         },
         true,
         1,
         {white, white},
         {white, white}},
    };
    for (const Case& c : cases) {
        TLMDBevel bevel;
        c.setUp(bevel);
        EXPECT_EQ(bevel.Extent(), c.inset) << c.name;
        BevelPicture picture(bevel, c.transparent);
        const RECT expected{c.inset, c.inset, BevelPicture::kWidth - c.inset, BevelPicture::kHeight - c.inset};
        EXPECT_TRUE(EqualRect(&picture.inside, &expected)) << c.name;
        const RECT client = bevel.ClientRect(RECT{0, 0, BevelPicture::kWidth, BevelPicture::kHeight});
        EXPECT_TRUE(EqualRect(&client, &expected)) << c.name;
        const int y = BevelPicture::kHeight / 2;
        for (size_t i = 0; i < c.left.size(); ++i)
            EXPECT_EQ(picture.At(static_cast<int>(i), y), c.left[i]()) << c.name << " column " << i;
        for (size_t i = 0; i < c.right.size(); ++i)
            EXPECT_EQ(picture.At(BevelPicture::kWidth - 1 - static_cast<int>(i), y), c.right[i]())
                << c.name << " column " << i << " from the right";
    }
}

TEST(BevelPainting, ShadowFrameFillsTheCornersOnlyWhenNotTransparent) {
    for (const bool transparent : {false, true}) {
        TLMDBevel bevel;
        bevel.SetStyleOuter(bvShadow);
        bevel.SetWidthOuter(3);
        bevel.SetBorderColor(clRed);
        BevelPicture picture(bevel, transparent);
        const int w = BevelPicture::kWidth, h = BevelPicture::kHeight;
        EXPECT_EQ(picture.At(w - 1, h / 2), Shadow());
        EXPECT_EQ(picture.At(w / 2, h - 1), Shadow());
        EXPECT_EQ(picture.At(0, h / 2), Light());  // the one frame line
        EXPECT_EQ(picture.At(w - 1, 0), transparent ? kWhite : kRed);
        const RECT inside{1, 1, w - 4, h - 4};
        EXPECT_TRUE(EqualRect(&picture.inside, &inside));
        const RECT client = bevel.ClientRect(RECT{0, 0, w, h});
        EXPECT_TRUE(EqualRect(&client, &inside));
    }
}

TEST(BevelSettings, ShadowStyleIsSharedByBothSides) {
    TLMDBevel bevel;
    bevel.SetStyleInner(bvShadow);
    EXPECT_EQ(bevel.StyleOuter(), bvShadow);
    bevel.SetStyleOuter(bvRaised);
    EXPECT_EQ(bevel.StyleInner(), bvNone);
    EXPECT_EQ(bevel.StyleOuter(), bvRaised);
}

TEST(BevelSettings, SignalsOnlyChangesThatMatter) {
    TLMDBevel bevel;
    int changes = 0;
    bevel.OnChange = [&](TLMDObject* sender) {
        EXPECT_EQ(sender, &bevel);
        ++changes;
    };
    bevel.SetStandardStyle(lsRaised);  // not drawn in bmCustom
    bevel.SetBorderWidth(0);           // unchanged
    EXPECT_EQ(changes, 0);
    bevel.SetMode(bmStandard);
    bevel.SetStandardStyle(lsSingleLowered);
    EXPECT_EQ(changes, 2);
    TLMDBevel copy;
    copy.Assign(bevel);
    EXPECT_EQ(copy.Extent(), 1);
    EXPECT_EQ(copy.StandardStyle(), lsSingleLowered);
    TLMDObject other;
    EXPECT_THROW(copy.Assign(other), EConvertError);
}

TEST(BevelSettings, AsksForANewWindowWhenAnOwnerBorderComesOrGoes) {
    TLMDBevel bevel;
    bevel.SetMode(bmWindows);
    EXPECT_FALSE(bevel.GetRecreateWnd());  // no owner that draws the border
    EXPECT_EQ(bevel.Extent(), 2);
    bevel.SetOwnerBorder(true);
    EXPECT_EQ(bevel.Extent(), 0);
    bevel.SetMode(bmCustom);
    EXPECT_TRUE(bevel.GetRecreateWnd());
    EXPECT_FALSE(bevel.GetRecreateWnd());  // answered once
}

TEST(BevelPanel, StandardFrameShowsOneSunkenEdgeAndAlignsChildrenInside) {
    TApplication application;
    TForm form(&application);
    form.BorderStyle = bsNone;
    form.SetClientWidth(50);
    form.SetClientHeight(40);
    PictureList list(50, 40);
    auto* panel = new TLMDBackPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetImageList(&list);
    auto* child = new ProbeControl(panel, RECT{0, 0, 5, 5}, kRed);
    child->SetAlign(alClient);
    EXPECT_EQ(child->Left(), 0);
    panel->Bevel().SetMode(bmStandard);
    EXPECT_EQ(child->Left(), 1);
    EXPECT_EQ(child->Top(), 1);
    EXPECT_EQ(child->Width(), 48);
    EXPECT_EQ(child->Height(), 38);
    child->SetVisible(false);
    Snapshot shot(*panel, 50, 40);
    EXPECT_EQ(shot.At(0, 20), Shadow());
    EXPECT_EQ(shot.At(25, 0), Shadow());
    EXPECT_EQ(shot.At(49, 20), Light());
    EXPECT_EQ(shot.At(25, 39), Light());
    EXPECT_EQ(shot.At(1, 20), PatternAt(1, 20));
    EXPECT_EQ(shot.At(48, 38), PatternAt(48, 38));
}

}  // namespace
