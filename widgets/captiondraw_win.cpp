#include "widgets/fxcaption_win.h"

#include <optional>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "settings/font_win.h"
#include "widgets/captionpasses_win.h"

namespace {

COLORREF Paint(TColor color) {
    return static_cast<COLORREF>(ResolveColor(color));
}

// One step of the enhanced extrusion: each colour byte shadow + (depth - 1 - step) * (light - shadow)
// / depth, truncated toward zero, so the first step is nearest the light colour and the last equals
// the shadow colour. System colours are resolved first, so the blend works on what is painted.
COLORREF BlendStep(COLORREF shadow, COLORREF light, int step, int depth) {
    COLORREF result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int s = static_cast<int>((shadow >> shift) & 0xFF), l = static_cast<int>((light >> shift) & 0xFF);
        result |= static_cast<COLORREF>(s + (depth - 1 - step) * (l - s) / depth) << shift;
    }
    return result;
}

struct ExtrudeGeometry {
    int startX, startY, stepX, stepY;
};

ExtrudeGeometry ExtrudeFor(TLMDThreeDOrientation orientation, int depth) {
    switch (orientation) {
        case toBottomLeft:
            return {0, depth + 1, 1, -1};
        case toBottomRight:
            return {depth + 1, depth + 1, -1, -1};
        case toTopRight:
            return {depth + 1, 0, -1, 1};
        case toTopLeft:
            break;
    }
    return {0, 0, 1, 1};
}

void DrawPasses(TextPasses& passes, const TLMD3DCaption& effect, TLMDThreeDStyle style, COLORREF main) {
    const int light = effect.LightDepth(), shadow = effect.ShadowDepth(), both = light + shadow;
    const COLORREF lightColour = Paint(effect.LightColor()), shadowColour = Paint(effect.ShadowColor());
    switch (style) {
        case tdNone:
            passes.Draw(0, 0, main);
            break;
        case tdSunken:
            passes.NarrowBy(light);
            passes.Draw(light, light, lightColour);
            passes.Draw(-light, -light, main);
            break;
        case tdRaised:
            passes.NarrowBy(light);
            passes.Draw(0, 0, lightColour);
            passes.Draw(light, light, main);
            break;
        case tdSunkenShadow:
        case tdPColorSunken:
            passes.NarrowBy(both);
            passes.Draw(0, 0, shadowColour);
            passes.Draw(both, both, lightColour);
            passes.Draw(-light, -light, main);
            break;
        case tdRaisedShadow:
        case tdPColorRaised:
            passes.NarrowBy(both);
            passes.Draw(both, both, shadowColour);
            passes.Draw(-both, -both, lightColour);
            passes.Draw(light, light, main);
            break;
        case tdShadow:
            passes.NarrowBy(shadow);
            passes.Draw(shadow, shadow, shadowColour);
            passes.Draw(-shadow, -shadow, main);
            break;
        case tdOutline:
            passes.Outline(shadow / 2, shadow / 2, shadow, main);
            break;
        case tdExtrude:
        case tdExtrudeEnh: {
            const ExtrudeGeometry geometry = ExtrudeFor(effect.Orientation(), shadow);
            passes.Move(geometry.startX, geometry.startY);
            for (int step = 0; step < shadow; ++step) {
                const COLORREF colour =
                    style == tdExtrudeEnh ? BlendStep(shadowColour, lightColour, step, shadow) : shadowColour;
                passes.Draw(geometry.stepX, geometry.stepY, colour);
            }
            passes.Draw(0, 0, main);
            break;
        }
    }
}

}  // namespace

void LMDDrawTextExt(TCanvas& canvas,
                    const std::string& caption,
                    const TLMD3DCaption* effect,
                    const RECT& textRect,
                    UINT format,
                    TLMDTextStyles styles,
                    const RECT* clipRect) {
    if (caption.empty() || IsRectEmpty(&textRect))
        return;
    if (!effect) {
        if (HDC dc = canvas.Handle())
            TextPasses(dc, caption, textRect, format, false).Draw(0, 0, GetTextColor(dc));
        return;
    }
    const auto* fx = dynamic_cast<const TLMDFxCaption*>(effect);
    const bool rotated = fx && fx->Angle() != 0;

    TLMDThreeDStyle style = effect->Style();
    COLORREF main;
    if (styles.Contains(dtEnabled) || effect->DisabledStyle() == dsNone) {
        const bool brushColour = style == tdPColorSunken || style == tdPColorRaised;
        main = Paint(brushColour ? canvas.Brush().Color() : canvas.Font().Color());
    } else {
        main = Paint(clGrayText);
        if (effect->DisabledStyle() == ds3d || (effect->DisabledStyle() == dsAuto && styles.Contains(dt3DDisabled)))
            style = tdSunken;
    }

    canvas.Brush().SetStyle(bsClear);
    HDC dc = canvas.Handle();
    if (!dc)
        return;
    std::optional<ScopedClipRect> clip;
    if (styles.Contains(dtClip))
        clip.emplace(dc, clipRect ? *clipRect : textRect);

    RECT working = textRect;
    UniqueFont rotatedFont;
    std::optional<ScopedSelect> selectRotated;
    if (fx) {
        working.left += fx->PosX();
        working.top += fx->PosY();
    }
    if (rotated) {
        LOGFONTA logFont = FontLogFont(canvas.Font());
        logFont.lfEscapement = logFont.lfOrientation = fx->Angle() * 10;
        rotatedFont.reset(CreateFontIndirectA(&logFont));
        selectRotated.emplace(dc, rotatedFont.get());
    }
    ScopedCharacterExtra tracing(dc, effect->Tracing());
    SetBkMode(dc, TRANSPARENT);

    TextPasses passes(dc, caption, working, format, rotated);
    DrawPasses(passes, *effect, style, main);
}
