#include <gtest/gtest.h>

#include <string>

#include "base/exceptions.h"
#include "tests/win/widgets_surface.h"
#include "widgets/buttonlayout.h"
#include "widgets/fxcaption_win.h"

namespace {

bool Same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != 0;
}

RECT Measured(const std::string& caption,
              TLMD3DCaption* effect,
              const TFont& font,
              bool accelerators = true,
              int margin = 0) {
    RECT rect{5, 5, 200, 5};
    LMDDrawTextCalc(caption, effect, rect, font, false, accelerators, margin, 0);
    return rect;
}

TEST(CaptionMeasuring, AddsTheEffectsExtraAndTwoPixels) {
    Surface surface(10, 10);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-19);
    surface.Canvas().Font().Assign(font);
    auto bare = [&](std::string text) {  // the platform's own measure, accelerators shown
        RECT r{0, 0, 0, 0};
        DrawTextExA(surface.Canvas().Handle(), text.data(), static_cast<int>(text.size()), &r,
                    DT_CALCRECT | DT_NOPREFIX, nullptr);
        return SIZE{r.right, r.bottom};
    };
    const SIZE text = bare("Install");
    TLMDFxCaption effect;
    effect.SetStyle(tdSunkenShadow);
    effect.SetPosXY(3, 4);
    const RECT box = Measured("Install", &effect, font);
    EXPECT_TRUE(Same(box, RECT{0, 0, text.cx + 4, text.cy + 4}));
    EXPECT_EQ(effect.PosX() + effect.PosY(), 0);

    EXPECT_EQ(Measured("&Install", nullptr, font, true, 2).right, text.cx + 6);  // the mark takes no room
    EXPECT_EQ(Measured("&Install", nullptr, font, false).right, bare("&Install").cx + 2);
    EXPECT_EQ(Measured("&", nullptr, font).right, bare(" ").cx + 2);  // a lone mark, or nothing, is a blank
    EXPECT_EQ(Measured("", nullptr, font).bottom, text.cy + 2);
    effect.SetStyle(tdNone);
    effect.SetTracing(3);
    EXPECT_EQ(Measured("Install", &effect, font).right, text.cx + 7 * 3 + 2);
}

TEST(CaptionRotation, AQuarterTurnSwapsTheSidesAndStartsAtTheBottom) {
    Surface surface(10, 10);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-20);
    surface.Canvas().Font().Assign(font);
    TLMDFxCaption effect;
    effect.SetAngle(90);
    const RECT box = Measured("Rotated", &effect, font);
    const SIZE plain = surface.Canvas().TextExtent("Rotated");
    EXPECT_TRUE(Same(box, RECT{0, 0, plain.cy + 2, plain.cx + 2}));
    EXPECT_EQ(effect.PosX(), 0);
    EXPECT_EQ(effect.PosY(), plain.cx);  // the text starts at the bottom and runs upward
}

TEST(CaptionEffectAssign, ReportsBothClassesFromTheStringTable) {
    TLMDFxCaption effect;
    TLMDGlyphTextLayout layout;
    effect.SetStyle(tdOutline);
    try {
        effect.Assign(layout);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TLMDGlyphTextLayout to a TLMDFxCaption");
    }
    EXPECT_EQ(effect.Style(), tdOutline);
}

}  // namespace
