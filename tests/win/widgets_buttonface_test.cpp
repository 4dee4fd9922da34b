#include <gtest/gtest.h>

#include "tests/win/widgets_surface.h"
#include "widgets/buttonface_win.h"

namespace {

constexpr int kW = 40, kH = 20;

// Every pixel differs from its neighbours, so that any pixel drawn over shows.
COLORREF Pattern(int x, int y) {
    return RGB(x * 5, y * 10, 77);
}

TEST(ButtonBevel, WidthPerStyleWhateverTheState) {
    const uint8_t expected[] = {2, 3, 2, 2, 2, 1, 1, 2, 1, 1, 2};  // auto-detect: new-style controls
    for (int style = ubsAutoDetect; style <= ubsIntegrated; ++style)
        for (int state = bsUp; state <= bsDisabledDown; ++state)
            EXPECT_EQ(LMDGetButtonBevel(TLMDUserButtonStyle(style), TLMDButtonState(state)), expected[style]) << style;
}

TEST(ExplorerFace, DrawsOnlyAOnePixelFrameInTheHoverAndPressedStates) {
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    for (TLMDUserButtonStyle style : {ubsExplorer, ubsExplorerColored})
        for (int state = bsUp; state <= bsDisabledDown; ++state) {
            const bool down =
                state == bsOptionSet || state == bsDown || state == bsDropDownOpen || state == bsDisabledDown;
            const bool framed = down || state == bsMouseOver;
            Surface surface(kW, kH);
            for (int i = 0; i < kW * kH; ++i)
                surface.Set(i % kW, i / kW, Pattern(i % kW, i / kW));
            RECT rect{0, 0, kW, kH};
            EXPECT_TRUE(LMDDrawBtnFace(surface.Canvas(), true, rect, style, TLMDButtonState(state), 5, clRed));
            EXPECT_EQ(rect.left * 1000 + rect.bottom, down ? 4018 : 3017) << "rectangle handed back";
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) {
                    if ((x == 0 || x == kW - 1) && (y == 0 || y == kH - 1))
                        continue;  // the corners, where the two colours meet
                    const bool nearEdge = x == 0 || y == 0, farEdge = x == kW - 1 || y == kH - 1;
                    COLORREF expected = Pattern(x, y);
                    if (framed && (nearEdge || farEdge))
                        expected = nearEdge == down ? shadow : highlight;
                    ASSERT_EQ(surface.At(x, y), expected)
                        << "style " << style << " state " << state << " " << x << "," << y;
                }
        }
}

TEST(OtherFaces, FillTheFaceWithTheColourAndFrameFlatOnesOnlyUnderTheMouse) {
    for (int style = ubsAutoDetect; style <= ubsIntegrated; ++style) {
        Surface surface(kW, kH);
        surface.Canvas().Brush().SetColor(clLime);
        RECT rect{0, 0, kW, kH};
        LMDDrawBtnFace(surface.Canvas(), false, rect, TLMDUserButtonStyle(style), bsUp, 5, clRed);
        // Two flat styles draw a rectangle with the canvas's own brush over the filled face.
        const COLORREF face = style == ubsDelphiFlat || style == ubsNavigator ? RGB(0, 255, 0) : RGB(255, 0, 0);
        EXPECT_EQ(surface.At(kW / 2, kH / 2), IsExplorerStyle(TLMDUserButtonStyle(style)) ? RGB(255, 255, 255) : face);
    }
    Surface flat(kW, kH);
    RECT rect{0, 0, kW, kH};
    LMDDrawBtnFace(flat.Canvas(), true, rect, ubsFlat, bsMouseOver, 5, clRed);
    EXPECT_EQ(flat.At(0, kH / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(flat.At(kW - 1, kH / 2), GetSysColor(COLOR_BTNSHADOW));
    // A set option button is checkered with the highlight colour.
    LMDDrawBtnFace(flat.Canvas(), false, rect = RECT{0, 0, kW, kH}, ubsWin40, bsOptionSet, 5, clRed);
    EXPECT_NE(flat.At(10, 10), flat.At(11, 10));
}

}  // namespace
