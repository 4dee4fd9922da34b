#include <gtest/gtest.h>

#include "tests/win/widgets_surface.h"
#include "widgets/buttonface_win.h"

namespace {

constexpr int kW = 40, kH = 20;

// A surface whose every pixel differs from its neighbours, so that any pixel drawn over shows.
void Pattern(Surface& surface) {
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            surface.Set(x, y, RGB(x * 5, y * 10, 77));
}

TEST(ButtonBevel, WidthPerStyleWhateverTheState) {
    const uint8_t expected[] = {2, 3, 2, 2, 2, 1, 1, 2, 1, 1, 2};  // auto-detect: new-style controls
    for (int style = ubsAutoDetect; style <= ubsIntegrated; ++style)
        for (int state = bsUp; state <= bsDisabledDown; ++state)
            EXPECT_EQ(LMDGetButtonBevel(static_cast<TLMDUserButtonStyle>(style), static_cast<TLMDButtonState>(state)),
                      expected[style])
                << style << " in state " << state;
}

TEST(ExplorerFace, DrawsOnlyAOnePixelFrameInTheHoverAndPressedStates) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    struct Case {
        TLMDButtonState state;
        bool framed;
        COLORREF topLeft, bottomRight;
        RECT handedBack;
    } table[] = {
        {bsUp, false, 0, 0, {3, 3, 37, 17}},
        {bsDisabledUp, false, 0, 0, {3, 3, 37, 17}},
        {bsDragOver, false, 0, 0, {3, 3, 37, 17}},
        {bsMouseOver, true, highlight, shadow, {3, 3, 37, 17}},
        {bsDown, true, shadow, highlight, {4, 4, 38, 18}},
        {bsOptionSet, true, shadow, highlight, {4, 4, 38, 18}},
        {bsDropDownOpen, true, shadow, highlight, {4, 4, 38, 18}},
        {bsDisabledDown, true, shadow, highlight, {4, 4, 38, 18}},
    };
    for (TLMDUserButtonStyle style : {ubsExplorer, ubsExplorerColored})
        for (const Case& c : table) {
            Surface surface(kW, kH), before(kW, kH);
            Pattern(surface);
            Pattern(before);
            RECT rect{0, 0, kW, kH};
            EXPECT_TRUE(LMDDrawBtnFace(surface.Canvas(), true, rect, style, c.state, 5, clRed));
            EXPECT_TRUE(EqualRect(&rect, &c.handedBack)) << "state " << int{c.state};
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) {
                    const bool edge = x == 0 || y == 0 || x == kW - 1 || y == kH - 1;
                    const bool corner = (x == 0 || x == kW - 1) && (y == 0 || y == kH - 1);
                    if (corner)
                        continue;  // where the two colours meet
                    COLORREF expected = before.At(x, y);
                    if (c.framed && edge)
                        expected = (x == 0 || y == 0) ? c.topLeft : c.bottomRight;
                    ASSERT_EQ(surface.At(x, y), expected)
                        << "style " << int{style} << " state " << int{c.state} << " at " << x << "," << y;
                }
        }
}

TEST(OtherFaces, FillTheFaceWithTheColourAndFrameFlatOnesOnlyUnderTheMouse) {
    for (int style = ubsAutoDetect; style <= ubsIntegrated; ++style) {
        if (IsExplorerStyle(static_cast<TLMDUserButtonStyle>(style)))
            continue;
        Surface surface(kW, kH);
        Pattern(surface);
        surface.Canvas().Brush().SetColor(clLime);
        RECT rect{0, 0, kW, kH};
        LMDDrawBtnFace(surface.Canvas(), false, rect, static_cast<TLMDUserButtonStyle>(style), bsUp, 5, clRed);
        // Two flat styles draw a rectangle with the canvas's own brush over the filled face.
        const bool ownRectangle = style == ubsDelphiFlat || style == ubsNavigator;
        EXPECT_EQ(surface.At(kW / 2, kH / 2), ownRectangle ? RGB(0, 255, 0) : RGB(255, 0, 0)) << style;
    }
    Surface flat(kW, kH);
    RECT rect{0, 0, kW, kH};
    LMDDrawBtnFace(flat.Canvas(), false, rect, ubsFlat, bsUp, 5, clRed);
    EXPECT_EQ(flat.At(0, kH / 2), RGB(255, 0, 0));
    LMDDrawBtnFace(flat.Canvas(), true, rect = RECT{0, 0, kW, kH}, ubsFlat, bsMouseOver, 5, clRed);
    EXPECT_EQ(flat.At(0, kH / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(flat.At(kW - 1, kH / 2), GetSysColor(COLOR_BTNSHADOW));
}

TEST(OtherFaces, ASetOptionButtonIsDitheredUnlessAFlatOneIsUnderTheMouse) {
    auto colours = [](TLMDUserButtonStyle style, bool mouseOver) {
        Surface surface(kW, kH);
        RECT rect{0, 0, kW, kH};
        LMDDrawBtnFace(surface.Canvas(), mouseOver, rect, style, bsOptionSet, 5, clRed);
        return std::make_pair(surface.At(10, 10), surface.At(11, 10));
    };
    const auto classic = colours(ubsWin40, false);
    EXPECT_NE(classic.first, classic.second);
    EXPECT_TRUE(classic.first == RGB(255, 0, 0) || classic.second == RGB(255, 0, 0));
    const auto flat = colours(ubsFlat, true);
    EXPECT_EQ(flat.first, RGB(255, 0, 0));
    EXPECT_EQ(flat.second, RGB(255, 0, 0));
}

}  // namespace
