#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "tests/win/widgets_surface.h"
#include "widgets/buttonlayout.h"
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

// The expected picture: each copy drawn on its own with the plain platform call, at its final place
// relative to the text rectangle, over the copies before it (smoothed edges blend the same way).
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

std::vector<COLORREF> Drawn(const TLMD3DCaption& effect, TLMDTextStyles styles) {
    Surface surface(kWidth, kHeight);
    surface.Canvas().Font().SetColor(static_cast<TColor>(kMain));
    surface.Canvas().Brush().SetColor(static_cast<TColor>(kBrush));
    LMDDrawTextExt(surface.Canvas(), kCaption, &effect, kTextRect, 0, styles);
    return surface.Pixels();
}

int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i)
        count += a[i] != b[i];
    return count;
}

struct StyleCase {
    TLMDThreeDStyle style;
    TLMDThreeDOrientation orientation;
    int shadowDepth;
    std::vector<Copy> copies;
};

TEST(CaptionDrawing, EachStyleDrawsItsCopiesInOrderAtTheirOffsets) {
    // Light depth 1 and shadow depth 2, so that every depth shows where it is used.
    const COLORREF firstBlend = RGB(127, 0, 128);  // half way from blue to red, each byte truncated toward zero
    const StyleCase table[] = {
        {tdNone, toTopLeft, 2, {{0, 0, kMain}}},
        {tdSunken, toTopLeft, 2, {{1, 1, kLight}, {0, 0, kMain}}},
        {tdRaised, toTopLeft, 2, {{0, 0, kLight}, {1, 1, kMain}}},
        {tdSunkenShadow, toTopLeft, 2, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kMain}}},
        {tdPColorSunken, toTopLeft, 2, {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kBrush}}},
        {tdRaisedShadow, toTopLeft, 2, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kMain}}},
        {tdPColorRaised, toTopLeft, 2, {{3, 3, kShadow}, {0, 0, kLight}, {1, 1, kBrush}}},
        {tdShadow, toTopLeft, 2, {{2, 2, kShadow}, {0, 0, kMain}}},
        {tdExtrude, toTopLeft, 2, {{1, 1, kShadow}, {2, 2, kShadow}, {2, 2, kMain}}},
        {tdExtrude, toBottomRight, 2, {{2, 2, kShadow}, {1, 1, kShadow}, {1, 1, kMain}}},
        {tdExtrude, toBottomLeft, 2, {{1, 2, kShadow}, {2, 1, kShadow}, {2, 1, kMain}}},
        {tdExtrude, toTopRight, 2, {{2, 1, kShadow}, {1, 2, kShadow}, {1, 2, kMain}}},
        {tdExtrudeEnh, toTopLeft, 2, {{1, 1, firstBlend}, {2, 2, kShadow}, {2, 2, kMain}}},
        {tdExtrude, toTopLeft, 0, {{0, 0, kMain}}},
    };
    for (const StyleCase& c : table) {
        TLMDFxCaption effect;
        effect.SetStyle(c.style);
        effect.SetOrientation(c.orientation);
        effect.SetDepth(1, static_cast<uint8_t>(c.shadowDepth));
        effect.SetColor(0, static_cast<TColor>(kLight));
        effect.SetColor(1, static_cast<TColor>(kShadow));
        EXPECT_EQ(Differences(Drawn(effect, {dtEnabled}), Composed(c.copies)), 0)
            << "style " << int{c.style} << " orientation " << int{c.orientation};
    }
}

TEST(CaptionDrawing, ContourColoursCopiedFromATemplateFringeTheMainText) {
    TLMDFxCaption templateEffect;
    templateEffect.SetStyle(tdSunkenShadow);
    templateEffect.SetColor(0, clBlack);
    templateEffect.SetColor(1, clBlack);
    TLMDFxCaption entry;
    entry.Assign(templateEffect);
    entry.SetColor(0, clRed);   // the top contour colour
    entry.SetColor(1, clBlue);  // the bottom contour colour
    // Blue at the text rectangle's corner (up-left of the main text), red two pixels on (down-right).
    EXPECT_EQ(Differences(Drawn(entry, {dtEnabled, dt3DDisabled}),
                          Composed({{0, 0, RGB(0, 0, 255)}, {2, 2, RGB(255, 0, 0)}, {1, 1, kMain}})),
              0);
}

TEST(CaptionDrawing, DisabledStyles) {
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const std::vector<Copy> sunken = {{1, 1, kLight}, {0, 0, grey}};
    const std::vector<Copy> ownPasses = {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, grey}};
    const std::vector<Copy> enabled = {{0, 0, kShadow}, {3, 3, kLight}, {2, 2, kMain}};
    struct Case {
        TLMDDisabledStyle disabledStyle;
        TLMDTextStyles styles;
        std::vector<Copy> copies;
    } table[] = {
        {dsAuto, {dtDisabled, dt3DDisabled}, sunken},  // grey with only a light copy right and down
        {dsAuto, {dtDisabled}, ownPasses},
        {ds3d, {dtDisabled}, sunken},
        {dsStandard, {dtDisabled, dt3DDisabled}, ownPasses},
        {dsNone, {dtDisabled, dt3DDisabled}, enabled},
        {dsAuto, {dtEnabled, dt3DDisabled}, enabled},
    };
    for (const Case& c : table) {
        TLMDFxCaption effect;
        effect.SetStyle(tdSunkenShadow);
        effect.SetDepth(1, 2);
        effect.SetColor(0, static_cast<TColor>(kLight));
        effect.SetColor(1, static_cast<TColor>(kShadow));
        effect.SetDisabledStyle(c.disabledStyle);
        EXPECT_EQ(Differences(Drawn(effect, c.styles), Composed(c.copies)), 0)
            << "disabled style " << int{c.disabledStyle} << " set " << c.styles.Bits();
    }
}

TEST(CaptionDrawing, ClipsToTheGivenRectangleAndRestoresTheClipping) {
    TLMDFxCaption effect;
    Surface surface(kWidth, kHeight);
    HDC dc = surface.Canvas().Handle();
    UniqueRegion before(CreateRectRgn(2, 2, 140, 38));
    SelectClipRgn(dc, before.get());
    const RECT clip{0, 0, 30, kHeight};
    LMDDrawTextExt(surface.Canvas(), kCaption, &effect, kTextRect, 0, {dtEnabled, dtClip}, &clip);
    UniqueRegion after(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetClipRgn(dc, after.get()), 1);
    EXPECT_TRUE(EqualRgn(before.get(), after.get()));
    SelectClipRgn(dc, nullptr);

    const std::vector<COLORREF> unclipped = Composed({{0, 0, RGB(0, 0, 0)}});
    int inside = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool painted = unclipped[static_cast<size_t>(y * kWidth + x)] != kWhite;
            EXPECT_EQ(surface.At(x, y) != kWhite, painted && x < 30) << x << "," << y;
            inside += painted && x < 30;
        }
    EXPECT_GT(inside, 0);
}

TEST(CaptionDrawing, TracingSpreadsTheCharactersAndIsResetAfterwards) {
    auto rightmost = [](Surface& surface) {
        int right = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (surface.At(x, y) != kWhite && x > right)
                    right = x;
        return right;
    };
    TLMDFxCaption effect;
    Surface plain(kWidth, kHeight), traced(kWidth, kHeight);
    LMDDrawTextExt(plain.Canvas(), "abcd", &effect, kTextRect, 0, {dtEnabled});
    effect.SetTracing(3);
    LMDDrawTextExt(traced.Canvas(), "abcd", &effect, kTextRect, 0, {dtEnabled});
    EXPECT_EQ(rightmost(traced), rightmost(plain) + 9);
    EXPECT_EQ(GetTextCharacterExtra(traced.Dc()), 0);
}

TEST(CaptionDrawing, OutlineStrokesTheGlyphsWithoutFillingThem) {
    Surface filled(120, 90), outlined(120, 90);
    for (Surface* s : {&filled, &outlined}) {
        s->Canvas().Font().SetName("Tahoma");
        s->Canvas().Font().SetHeight(-72);
        s->Canvas().Font().SetStyle(fsBold);
        s->Canvas().Font().SetColor(clBlack);
    }
    TLMDFxCaption effect;
    const RECT rect{5, 5, 115, 85};
    LMDDrawTextExt(filled.Canvas(), "H", &effect, rect, 0, {dtEnabled});
    effect.SetStyle(tdOutline);
    LMDDrawTextExt(outlined.Canvas(), "H", &effect, rect, 0, {dtEnabled});
    int stroke = 0, deepInside = 0;
    for (int y = 2; y < 88; ++y)
        for (int x = 2; x < 118; ++x) {
            stroke += outlined.At(x, y) != kWhite;
            bool deep = true;  // filled with a 5 x 5 neighbourhood: well inside a stem
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    deep = deep && filled.At(x + dx, y + dy) == RGB(0, 0, 0);
            if (deep) {
                ++deepInside;
                EXPECT_EQ(outlined.At(x, y), kWhite) << x << "," << y;
            }
        }
    EXPECT_GT(stroke, 100);
    EXPECT_GT(deepInside, 100);
}

TEST(CaptionDrawing, NothingForAnEmptyCaptionOrRectangle) {
    TLMDFxCaption effect;
    effect.SetStyle(tdSunkenShadow);
    Surface surface(kWidth, kHeight);
    LMDDrawTextExt(surface.Canvas(), "", &effect, kTextRect, 0, {dtEnabled});
    LMDDrawTextExt(surface.Canvas(), kCaption, &effect, RECT{10, 10, 10, 30}, 0, {dtEnabled});
    LMDDrawTextExt(surface.Canvas(), kCaption, &effect, RECT{10, 10, 50, 5}, 0, {dtEnabled});
    for (COLORREF c : surface.Pixels())
        ASSERT_EQ(c, kWhite);
}

TEST(CaptionMeasuring, AddsTheEffectsExtraAndTwoPixels) {
    Surface surface(10, 10);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-19);
    surface.Canvas().Font().Assign(font);
    auto bare = [&](std::string text) {
        RECT r{0, 0, 0, 0};
        DrawTextExA(surface.Canvas().Handle(), text.data(), static_cast<int>(text.size()), &r,
                    DT_CALCRECT | DT_EXPANDTABS, nullptr);
        return r;
    };
    TLMDFxCaption effect;
    effect.SetStyle(tdSunkenShadow);
    effect.SetPosXY(3, 4);
    const RECT text = bare("Install");
    RECT r{5, 5, 200, 5};
    LMDDrawTextCalc("Install", &effect, r, font, false, true, 0, 0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, text.right + 4);
    EXPECT_EQ(r.bottom, text.bottom + 4);
    EXPECT_EQ(effect.PosX(), 0);
    EXPECT_EQ(effect.PosY(), 0);

    // The accelerator mark takes no room; without accelerators it is shown; margin 2 adds 6.
    r = RECT{0, 0, 200, 0};
    LMDDrawTextCalc("&Install", nullptr, r, font, false, true, 2, 0);
    EXPECT_EQ(r.right, text.right + 6);
    r = RECT{0, 0, 200, 0};
    LMDDrawTextCalc("&Install", nullptr, r, font, false, false, 0, 0);
    EXPECT_EQ(r.right, bare("&&Install").right + 2);
    // Nothing, or a lone mark, measures as a blank.
    for (const char* caption : {"", "&"}) {
        r = RECT{0, 0, 200, 0};
        LMDDrawTextCalc(caption, nullptr, r, font, false, true, 0, 0);
        EXPECT_EQ(r.right, bare(" ").right + 2) << caption;
        EXPECT_EQ(r.bottom, text.bottom + 2) << caption;
    }
    // Tracing widens every character.
    effect.SetStyle(tdNone);
    effect.SetTracing(3);
    r = RECT{0, 0, 200, 0};
    LMDDrawTextCalc("Install", &effect, r, font, false, true, 0, 0);
    EXPECT_EQ(r.right, text.right + 7 * 3 + 2);
}

TEST(CaptionMeasuring, MultiLineCaptionsWrapAtTheGivenWidth) {
    TFont font;
    RECT single{0, 0, 40, 0}, wrapped{0, 0, 40, 0};
    LMDDrawTextCalc("one two three four", nullptr, single, font, false, true, 0, 0);
    LMDDrawTextCalc("one two three four", nullptr, wrapped, font, true, true, 0, 0);
    EXPECT_GT(single.right, 42);
    EXPECT_LE(wrapped.right, 42);
    EXPECT_GE(wrapped.bottom, 2 * (single.bottom - 2) + 2);
}

TEST(CaptionRotation, MeasuresAndDrawsAQuarterTurnUpright) {
    Surface surface(80, 200);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-20);
    surface.Canvas().Font().Assign(font);
    surface.Canvas().Font().SetColor(clBlack);
    TLMDFxCaption effect;
    effect.SetAngle(90);
    RECT box{0, 0, 0, 0};
    LMDDrawTextCalc("Rotated", &effect, box, font, false, true, 0, 0);
    const SIZE plain = surface.Canvas().TextExtent("Rotated");
    EXPECT_EQ(box.right, plain.cy + 2);
    EXPECT_EQ(box.bottom, plain.cx + 2);
    EXPECT_EQ(effect.PosX(), 0);
    EXPECT_EQ(effect.PosY(), plain.cx);

    OffsetRect(&box, 10, 10);
    LMDDrawTextExt(surface.Canvas(), "Rotated", &effect, box, 0, {dtEnabled});
    RECT painted{1000, 1000, -1, -1};
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 80; ++x)
            if (surface.At(x, y) != kWhite) {
                painted = RECT{std::min<LONG>(painted.left, x), std::min<LONG>(painted.top, y),
                               std::max<LONG>(painted.right, x + 1), std::max<LONG>(painted.bottom, y + 1)};
            }
    EXPECT_GE(painted.left, box.left);
    EXPECT_GE(painted.top, box.top);
    EXPECT_LE(painted.right, box.right);
    EXPECT_LE(painted.bottom, box.bottom);
    EXPECT_GT(painted.bottom - painted.top, 2 * (painted.right - painted.left));
}

TEST(CaptionEffectAssign, ReportsBothClassesFromTheStringTable) {
    TLMDFxCaption effect;
    TLMDGlyphTextLayout layout;
    try {
        effect.Assign(layout);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TLMDGlyphTextLayout to a TLMDFxCaption");
    }
}

}  // namespace
