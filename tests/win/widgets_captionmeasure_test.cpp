#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

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

// A kept measurement stands only while its inputs are the same: after each change the kept
// measurement gives what a fresh one gives, and the rotated text's start point is set as well.
TEST(CaptionMeasuring, KeptMeasurementFollowsEveryInputThatChangesIt) {
    TFont font;
    font.SetName("Times New Roman");
    font.SetHeight(-19);
    TLMDFxCaption effect;
    effect.SetStyle(tdSunkenShadow);
    std::string caption = "Install the product";
    int width = 200;
    bool multiLine = false;
    TCaptionMeasure kept;
    const auto measure = [&](TCaptionMeasure* with) {
        RECT rect{0, 0, width, 0};
        LMDDrawTextCalc(caption, &effect, rect, font, multiLine, true, 0, 0, with);
        return std::make_pair(rect, POINT{effect.PosX(), effect.PosY()});
    };
    const struct {
        const char* change;
        std::function<void()> apply;
    } changes[] = {
        {"first measurement", [] {}},
        {"same inputs", [] {}},
        {"caption", [&] { caption = "Install the extras and more"; }},
        {"font height", [&] { font.SetHeight(-26); }},
        {"font style", [&] { font.SetStyle(fsBold | fsItalic); }},
        {"font name", [&] { font.SetName("Arial"); }},
        {"effect style", [&] { effect.SetStyle(tdRaisedShadow); }},
        {"effect depth", [&] { effect.SetShadowDepth(6); }},
        {"tracing", [&] { effect.SetTracing(3); }},
        {"angle", [&] { effect.SetAngle(90); }},
        {"multi-line at a narrow width",
         [&] {
             effect.SetAngle(0);
             multiLine = true;
             width = 60;
         }},
        {"width", [&] { width = 120; }},
    };
    for (const auto& c : changes) {
        c.apply();
        const auto fromKept = measure(&kept);
        const auto fresh = measure(nullptr);
        EXPECT_TRUE(Same(fromKept.first, fresh.first)) << c.change;
        EXPECT_EQ(fromKept.second.x, fresh.second.x) << c.change;
        EXPECT_EQ(fromKept.second.y, fresh.second.y) << c.change;
        EXPECT_TRUE(kept.valid) << c.change;
    }
    // With nothing changed, the kept result is what comes back: no new measurement is made.
    kept.rect = RECT{1, 2, 3, 4};
    EXPECT_TRUE(Same(measure(&kept).first, RECT{1, 2, 3, 4}));
}
