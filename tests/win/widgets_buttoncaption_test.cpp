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
    // The text reaches both sides (two columns each, to pass a gap between letters).
    int leftEdge = 0, rightEdge = 0;
    for (int i = 0; i < 48; ++i) {
        leftEdge += surface.At(i % 2, i / 2) != RGB(255, 255, 255);
        rightEdge += surface.At(58 + i % 2, i / 2) != RGB(255, 255, 255);
    }
    EXPECT_GT(leftEdge * rightEdge, 0);
}

TEST(ButtonCaption, TheAcceleratorIsUnderlinedAndADoubledMarkShowsOneAmpersand) {
    // "&Run" draws like "Run" with the R underlined; "R&&un" like the literal "R&un". The layout's
    // offsets (3, 1) move the text from (2, 2) to (5, 3).
    auto drawn = [](const std::string& caption, UINT extra) {
        Surface surface(100, 24);
        TLMDButtonLayout layout;
        layout.SetAlignment(agTopLeft);
        layout.SetOffsetX(3);
        layout.SetOffsetY(1);
        if (extra) {
            RECT r{5, 3, 100, 24};
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

}  // namespace
