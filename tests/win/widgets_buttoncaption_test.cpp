#include <gtest/gtest.h>

#include <string>

#include "tests/win/widgets_surface.h"
#include "widgets/buttonlayout_win.h"

namespace {

// The first height of the face whose lines are exactly lineHeight pixels high (0 if none).
int FontHeightForLines(TCanvas& canvas, const char* face, int lineHeight) {
    canvas.Font().SetName(face);
    for (int height = 8; height < 40; ++height) {
        canvas.Font().SetHeight(-height);
        if (canvas.TextHeight("Xg") == lineHeight)
            return -height;
    }
    return 0;
}

// A caption of exactly width pixels in the canvas's font, made of two characters.
std::string CaptionOfWidth(TCanvas& canvas, int width) {
    for (char a : std::string("ilmW0"))
        for (char b : std::string("ilmW0x")) {
            const int wa = canvas.TextWidth(std::string(1, a)), wb = canvas.TextWidth(std::string(1, b));
            for (int na = 1; na * wa <= width; ++na) {
                const int rest = width - na * wa;
                if (rest % wb)
                    continue;
                const std::string caption = std::string(static_cast<size_t>(na), a) + std::string(rest / wb, b);
                if (canvas.TextWidth(caption) == width)
                    return caption;
            }
        }
    return {};
}

struct BoxCase {
    int textWidth, lineHeight;
    RECT textRect;
};

// The 233 x 24 explorer button: content (1, 1)-(232, 23), effect tdSunkenShadow with depths 1.
TEST(ButtonCaption, CentresTheCaptionBoxWithTheDivisionTruncatedTowardZero) {
    const BoxCase table[] = {
        {100, 22, {65, 0, 169, 26}},  // box 104 x 26 at (64, -1)
        {101, 21, {65, 1, 170, 26}},  // box 105 x 25 at (64, 0): -3 / 2 is -1
    };
    for (const BoxCase& c : table) {
        Surface surface(233, 24);
        const int height = FontHeightForLines(surface.Canvas(), "Tahoma", c.lineHeight);
        ASSERT_NE(height, 0) << "no Tahoma size with " << c.lineHeight << "-pixel lines";
        const std::string caption = CaptionOfWidth(surface.Canvas(), c.textWidth);
        ASSERT_FALSE(caption.empty());
        TLMDFxCaption effect;
        effect.SetStyle(tdSunkenShadow);
        TLMDButtonLayout layout;
        RECT textRect;
        LMDDrawButtonCaption(surface.Canvas(), caption, &effect, RECT{1, 1, 232, 23}, layout, false,
                             {dtEnabled, dt3DDisabled}, 0, &textRect);
        EXPECT_TRUE(EqualRect(&textRect, &c.textRect))
            << textRect.left << "," << textRect.top << "-" << textRect.right << "," << textRect.bottom;
    }
}

// The main text drawn through the layout lands one pixel inside the box plus the effect's offset.
TEST(ButtonCaption, DrawsThePassesAtTheTextRectangle) {
    Surface laidOut(233, 24), direct(233, 24);
    laidOut.Canvas().Font().SetColor(clYellow);
    direct.Canvas().Font().SetColor(clYellow);
    TLMDFxCaption effect;
    effect.SetStyle(tdSunkenShadow);
    effect.SetColor(0, clRed);
    effect.SetColor(1, clBlue);
    TLMDButtonLayout layout;
    layout.SetOffsetX(3);
    layout.SetOffsetY(-2);
    RECT textRect;
    LMDDrawButtonCaption(laidOut.Canvas(), "Setup", &effect, RECT{1, 1, 232, 23}, layout, false, {dtEnabled}, 0,
                         &textRect);
    RECT box{0, 0, 233, 0};
    LMDDrawTextCalc("Setup", &effect, box, direct.Canvas().Font(), false, true, 0, 0);
    EXPECT_EQ(textRect.left, 1 + (231 - box.right) / 2 + 1 + 3);
    EXPECT_EQ(textRect.top, 1 + (22 - box.bottom) / 2 + 1 - 2);
    LMDDrawTextExt(direct.Canvas(), "Setup", &effect, textRect, DT_EXPANDTABS | DT_WORDBREAK, {dtEnabled});
    EXPECT_EQ(laidOut.Pixels(), direct.Pixels());
    EXPECT_EQ(laidOut.Canvas().Brush().Style(), bsClear);
}

TEST(ButtonCaption, AWideCaptionIsCentredAndCutAtBothSidesNotWrapped) {
    Surface surface(60, 24);
    TLMDFxCaption effect;
    TLMDButtonLayout layout;
    RECT textRect;
    const std::string caption = "A caption much wider than its button";
    LMDDrawButtonCaption(surface.Canvas(), caption, &effect, RECT{1, 1, 59, 23}, layout, false, {dtEnabled}, 0,
                         &textRect);
    const int width = surface.Canvas().TextWidth(caption);
    EXPECT_EQ(textRect.right - textRect.left, width + 2);
    EXPECT_EQ(textRect.left, 1 + (58 - (width + 2)) / 2 + 1);
    EXPECT_EQ(textRect.bottom - textRect.top, surface.Canvas().TextHeight(caption) + 2);  // one line
    bool leftEdge = false, rightEdge = false;  // text reaches both sides of the button
    for (int y = 0; y < 24; ++y) {
        leftEdge = leftEdge || surface.At(0, y) != RGB(255, 255, 255) || surface.At(1, y) != RGB(255, 255, 255);
        rightEdge = rightEdge || surface.At(59, y) != RGB(255, 255, 255) || surface.At(58, y) != RGB(255, 255, 255);
    }
    EXPECT_TRUE(leftEdge);
    EXPECT_TRUE(rightEdge);
}

TEST(ButtonCaption, TheAcceleratorIsUnderlinedAndADoubledMarkShowsOneAmpersand) {
    // "&Run" draws like "Run" with the R underlined; "R&&un" like the literal "R&un".
    auto drawn = [](const std::string& caption, UINT extra) {
        Surface surface(100, 24);
        TLMDButtonLayout layout;
        layout.SetAlignment(agTopLeft);
        if (extra) {
            RECT r{2, 2, 100, 24};
            surface.Canvas().Brush().SetStyle(bsClear);
            std::string text = caption;
            DrawTextExA(surface.Canvas().Handle(), text.data(), static_cast<int>(text.size()), &r, extra, nullptr);
        } else {
            LMDDrawButtonCaption(surface.Canvas(), caption, nullptr, RECT{1, 1, 99, 23}, layout, false, {dtEnabled}, 0);
        }
        return surface.Pixels();
    };
    EXPECT_EQ(drawn("&Run", 0), drawn("&Run", DT_EXPANDTABS));
    EXPECT_NE(drawn("&Run", 0), drawn("Run", DT_EXPANDTABS | DT_NOPREFIX));
    EXPECT_EQ(drawn("R&&un", 0), drawn("R&un", DT_EXPANDTABS | DT_NOPREFIX));
}

TEST(ButtonCaption, CalculateOnlyPlacesTheText) {
    Surface surface(100, 24);
    TLMDButtonLayout layout;
    RECT textRect{0, 0, 0, 0};
    LMDDrawButtonCaption(surface.Canvas(), "Go", nullptr, RECT{1, 1, 99, 23}, layout, false, {dtEnabled, dtCalculate},
                         0, &textRect);
    EXPECT_GT(textRect.right, textRect.left);
    for (COLORREF c : surface.Pixels())
        ASSERT_EQ(c, RGB(255, 255, 255));
}

TEST(ButtonCaption, AlignFlagsPerAlignment) {
    const UINT expected[] = {0,
                             DT_CENTER,
                             DT_RIGHT,
                             DT_VCENTER,
                             DT_CENTER | DT_VCENTER,
                             DT_RIGHT | DT_VCENTER,
                             DT_BOTTOM,
                             DT_CENTER | DT_BOTTOM,
                             DT_RIGHT | DT_BOTTOM};
    for (int a = agTopLeft; a <= agBottomRight; ++a)
        EXPECT_EQ(LMDAlignFlags(static_cast<TLMDAlignment>(a)), expected[a]) << a;
}

}  // namespace
