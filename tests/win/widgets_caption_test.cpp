#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win/widgets_surface.h"
#include "widgets/fxcaption_win.h"

namespace {

constexpr int kWidth = 160, kHeight = 40;
constexpr RECT kTextRect{10, 8, 150, 36};
const std::string kCaption = "Hug Wm";
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMain = RGB(0, 128, 0), kLight = RGB(255, 0, 0), kShadow = RGB(0, 0, 255), kBrush = RGB(255, 255, 0);

// Where a copy of the caption lands, relative to the text rectangle, and in which colour.
struct Copy {
    int dx, dy;
    COLORREF colour;
};

// The expected picture: each copy drawn on its own with the plain platform call at its final place,
// over the copies before it (so smoothed edges blend the same way).
std::vector<COLORREF> Composed(const std::vector<Copy>& copies) {
    Surface expected(kWidth, kHeight);
    HDC dc = expected.Canvas().Handle();
    SetBkMode(dc, TRANSPARENT);
    for (const Copy& copy : copies) {
        RECT rect = kTextRect;
        OffsetRect(&rect, copy.dx, copy.dy);
        SetTextColor(dc, copy.colour);
        std::string text = kCaption;
        DrawTextExA(dc, text.data(), static_cast<int>(text.size()), &rect, 0, nullptr);
    }
    return expected.Pixels();
}

std::vector<COLORREF> Drawn(const TLMD3DCaption& effect, TLMDTextStyles styles, const RECT* clip = nullptr) {
    Surface surface(kWidth, kHeight);
    surface.Canvas().Font().SetColor(static_cast<TColor>(kMain));
    surface.Canvas().Brush().SetColor(static_cast<TColor>(kBrush));
    LMDDrawTextExt(surface.Canvas(), kCaption, &effect, kTextRect, 0, styles, clip);
    return surface.Pixels();
}

// An effect with light depth 1 and shadow depth 2 (so that each depth shows where it is used), red
// light and blue shadow.
struct Look {
    TLMDThreeDStyle style;
    TLMDThreeDOrientation orientation = toTopLeft;
    int shadowDepth = 2;
    TLMDDisabledStyle disabledStyle = dsAuto;
    void ApplyTo(TLMDFxCaption& effect) const {
        effect.SetStyle(style);
        effect.SetOrientation(orientation);
        effect.SetDepth(1, static_cast<uint8_t>(shadowDepth));
        effect.SetDisabledStyle(disabledStyle);
        effect.SetColor(0, static_cast<TColor>(kLight));
        effect.SetColor(1, static_cast<TColor>(kShadow));
    }
};

std::vector<COLORREF> Drawn(const Look& look, TLMDTextStyles styles, const RECT* clip = nullptr) {
    TLMDFxCaption effect;
    look.ApplyTo(effect);
    return Drawn(effect, styles, clip);
}

struct StyleCase {
    Look look;
    std::vector<Copy> copies;
};

TEST(CaptionDrawing, EachStyleDrawsItsCopiesInOrderAtTheirOffsets) {
    const COLORREF firstBlend = RGB(127, 0, 128);  // half way from blue to red, each byte truncated toward zero
    const StyleCase table[] = {
        {{tdNone}, {{0, 0, kMain}}},
        {{tdSunken}, {{1, 1, kLight}, {0, 0, kMain}}},
        {{tdRaised}, {{0, 0, kLight}, {1, 1, kMain}}},
        {{tdSunkenShadow}, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kMain}}},
        {{tdPColorSunken}, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kBrush}}},
        {{tdRaisedShadow}, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kMain}}},
        {{tdPColorRaised}, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kBrush}}},
        {{tdShadow}, {{2, 2, kShadow}, {0, 0, kMain}}},
        {{tdExtrude}, {{1, 1, kShadow}, {2, 2, kShadow}, {2, 2, kMain}}},
        {{tdExtrude, toBottomRight}, {{2, 2, kShadow}, {1, 1, kShadow}, {1, 1, kMain}}},
        {{tdExtrude, toBottomLeft}, {{1, 2, kShadow}, {2, 1, kShadow}, {2, 1, kMain}}},
        {{tdExtrude, toTopRight}, {{2, 1, kShadow}, {1, 2, kShadow}, {1, 2, kMain}}},
        {{tdExtrudeEnh}, {{1, 1, firstBlend}, {2, 2, kShadow}, {2, 2, kMain}}},
        {{tdExtrude, toTopLeft, 0}, {{0, 0, kMain}}},
    };
    for (const StyleCase& c : table)
        EXPECT_EQ(Drawn(c.look, {dtEnabled}), Composed(c.copies))
            << "style " << int{c.look.style} << " orientation " << int{c.look.orientation};
}

TEST(CaptionDrawing, ContourColoursCopiedFromATemplateFringeTheMainText) {
    TLMDFxCaption templateEffect, entry;
    templateEffect.SetStyle(tdSunkenShadow);
    templateEffect.SetColor(0, clBlack);
    templateEffect.SetColor(1, clBlack);
    entry.Assign(templateEffect);
    entry.SetColor(0, clRed);   // the top contour colour
    entry.SetColor(1, clBlue);  // the bottom contour colour
    // Blue up-left of the main text, red down-right.
    EXPECT_EQ(Drawn(entry, {dtEnabled, dt3DDisabled}), Composed({{0, 0, kShadow}, {2, 2, kLight}, {1, 1, kMain}}));
}

TEST(CaptionDrawing, DisabledStyles) {
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const std::vector<Copy> sunken = {{1, 1, kLight}, {0, 0, grey}};  // no shadow copy
    const std::vector<Copy> ownPasses = {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, grey}};
    const std::vector<Copy> enabled = {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kMain}};
    const struct {
        TLMDDisabledStyle disabledStyle;
        TLMDTextStyles styles;
        std::vector<Copy> copies;
    } table[] = {
        {dsAuto, {dtDisabled, dt3DDisabled}, sunken},
        {dsAuto, {dtDisabled}, ownPasses},
        {ds3d, {dtDisabled}, sunken},
        {dsStandard, {dtDisabled, dt3DDisabled}, ownPasses},
        {dsNone, {dtDisabled, dt3DDisabled}, enabled},
        {dsAuto, {dtEnabled, dt3DDisabled}, enabled},
    };
    for (const auto& c : table)
        EXPECT_EQ(Drawn(Look{tdSunkenShadow, toTopLeft, 2, c.disabledStyle}, c.styles), Composed(c.copies))
            << int{c.disabledStyle} << " " << c.styles.Bits();
}

TEST(CaptionDrawing, ClipsToTheGivenRectangleThenRestoresTheClipping) {
    const RECT clip{0, 0, 30, kHeight};
    const std::vector<COLORREF> clipped = Drawn(Look{tdShadow}, {dtEnabled, dtClip}, &clip);
    const std::vector<COLORREF> whole = Drawn(Look{tdShadow}, {dtEnabled});
    for (int i = 0; i < kWidth * kHeight; ++i)
        ASSERT_EQ(clipped[i], i % kWidth < 30 ? whole[i] : kWhite) << i;

    Surface surface(kWidth, kHeight);
    HDC dc = surface.Canvas().Handle();
    UniqueRegion before(CreateRectRgn(2, 2, 140, 38)), after(CreateRectRgn(0, 0, 0, 0));
    SelectClipRgn(dc, before.get());
    const TLMDFxCaption plain;
    LMDDrawTextExt(surface.Canvas(), kCaption, &plain, kTextRect, 0, {dtEnabled, dtClip});
    ASSERT_EQ(GetClipRgn(dc, after.get()), 1);
    EXPECT_TRUE(EqualRgn(before.get(), after.get()));
}

TEST(CaptionDrawing, OutlineStrokesTheGlyphsWithoutFillingThem) {
    Surface filled(120, 90), outlined(120, 90);
    for (Surface* s : {&filled, &outlined}) {
        s->Canvas().Font().SetName("Tahoma");
        s->Canvas().Font().SetHeight(-72);
        s->Canvas().Font().SetStyle(fsBold);
        s->Canvas().Font().SetColor(clBlack);
    }
    const RECT rect{5, 5, 115, 85};
    TLMDFxCaption effect;
    LMDDrawTextExt(filled.Canvas(), "H", &effect, rect, 0, {dtEnabled});
    effect.SetStyle(tdOutline);
    LMDDrawTextExt(outlined.Canvas(), "H", &effect, rect, 0, {dtEnabled});
    int stroke = 0, deepInside = 0;
    for (int y = 2; y < 88; ++y)
        for (int x = 2; x < 118; ++x) {
            stroke += outlined.At(x, y) != kWhite;
            bool deep = true;  // filled with its 5 x 5 neighbourhood: well inside a stem
            for (int d = 0; d < 25; ++d)
                deep = deep && filled.At(x + d % 5 - 2, y + d / 5 - 2) == RGB(0, 0, 0);
            deepInside += deep;
            if (deep)
                ASSERT_EQ(outlined.At(x, y), kWhite) << x << "," << y;
        }
    EXPECT_GT(stroke, 100);
    EXPECT_GT(deepInside, 100);
}

}  // namespace
