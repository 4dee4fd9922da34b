#include "widgets/bevel_win.h"

#include <algorithm>

#include "widgets/bevelframes_win.h"

void TLMDBevel::SetStyleInner(TLMDBevelStyle style) {
    if (s_.StyleInner == style)
        return;
    if (style == bvShadow)
        s_.StyleOuter = bvShadow;
    else if (s_.StyleInner == bvShadow)
        s_.StyleOuter = bvNone;
    s_.StyleInner = style;
    Change();
}

void TLMDBevel::SetStyleOuter(TLMDBevelStyle style) {
    if (s_.StyleOuter == style)
        return;
    if (style == bvShadow)
        s_.StyleInner = bvShadow;
    else if (s_.StyleOuter == bvShadow)
        s_.StyleInner = bvNone;
    s_.StyleOuter = style;
    Change();
}

void TLMDBevel::SetWidthInner(int width) {
    SetField(s_.WidthInner, std::clamp(width, 0, 50));
}

void TLMDBevel::SetWidthOuter(int width) {
    SetField(s_.WidthOuter, std::clamp(width, 0, 50));
}

void TLMDBevel::SetBorderSides(TLMDFrameSides sides) {
    SetField(s_.BorderSides, static_cast<TLMDFrameSides>(sides & LMDAllSides));
}

void TLMDBevel::SetBorderWidth(int width) {
    SetField(s_.BorderWidth, std::clamp(width, 0, 255));
}

void TLMDBevel::SetBorderInnerWidth(int width) {
    SetField(s_.BorderInnerWidth, std::clamp(width, 0, 255));
}

void TLMDBevel::SetEdgeStyle(TLMDEdgeStyle style) {
    SetField(s_.EdgeStyle, style);
}

void TLMDBevel::SetMode(TLMDBevelMode mode) {
    if (s_.Mode == mode)
        return;
    if (ownerBorder_ && (s_.Mode == bmWindows || mode == bmWindows))
        recreateRequest_ = true;
    s_.Mode = mode;
    Change();
}

void TLMDBevel::SetStandardStyle(TLMDBorderStyle style) {
    if (s_.StandardStyle == style)
        return;
    s_.StandardStyle = style;
    if (s_.Mode == bmStandard)
        Change();
}

void TLMDBevel::SetColor(int index, TColor color) {
    TColor* const fields[] = {&s_.BorderColor, &s_.LightColor, &s_.ShadowColor};
    SetIndexedField(index >= 0 && index < 3 ? fields[index] : nullptr, color);
}

bool TLMDBevel::GetRecreateWnd() {
    const bool result = recreateRequest_ || (s_.Mode == bmWindows && ownerBorder_);
    recreateRequest_ = false;
    return result;
}

void TLMDBevel::Assign(const TLMDObject& source) {
    if (&source == this)
        return;
    const auto* bevel = dynamic_cast<const TLMDBevel*>(&source);
    if (!bevel)
        AssignError(source);
    s_ = bevel->s_;
    ownerBorder_ = bevel->ownerBorder_;
    Change();
}

RECT TLMDBevel::ClientRect(const RECT& rect) const {
    const int leftTop = LMDBevelLeftTopExtent(s_, ownerBorder_);
    const int rightBottom = RightBottomExtent();
    return RECT{rect.left + leftTop, rect.top + leftTop, rect.right - rightBottom, rect.bottom - rightBottom};
}

namespace {
// Plain border lines: left undrawn when transparent, so that the background shows through.
void BorderStep(TCanvas& canvas, RECT& rect, int count, TColor color, bool transparent) {
    if (transparent) {
        InflateRect(&rect, -count, -count);
        return;
    }
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    for (int i = 0; i < count; ++i) {
        canvas.FrameRect(rect);
        InflateRect(&rect, -1, -1);
    }
}

UINT SideFlags(TLMDFrameSides sides) {
    UINT flags = 0;
    if (sides & LMDSide(fsLeft))
        flags |= BF_LEFT;
    if (sides & LMDSide(fsTop))
        flags |= BF_TOP;
    if (sides & LMDSide(fsRight))
        flags |= BF_RIGHT;
    if (sides & LMDSide(fsBottom))
        flags |= BF_BOTTOM;
    return flags;
}
}  // namespace

RECT TLMDBevel::PaintBevel(TCanvas& canvas, const RECT& rect, bool transparent) {
    if (Extent() == 0)
        return rect;
    RECT r = rect;
    switch (s_.Mode) {
        case bmCustom:
            if (s_.StyleOuter == bvShadow) {
                LMDDrawFrameShadow(canvas, r, s_.LightColor, s_.ShadowColor, s_.BorderColor, s_.WidthOuter,
                                   s_.WidthInner, transparent);
            } else {
                LMDDrawFrame3D(canvas, r, s_.StyleOuter, s_.LightColor, s_.ShadowColor, s_.WidthOuter);
                BorderStep(canvas, r, s_.BorderWidth, s_.BorderColor, transparent);
                LMDDrawFrame3D(canvas, r, s_.StyleInner, s_.LightColor, s_.ShadowColor, s_.WidthInner);
            }
            break;
        case bmStandard:
            LMDDrawStdFrame(canvas, r, s_.StandardStyle);
            break;
        case bmEdge:
            if (s_.BorderSides != 0) {
                if (HDC dc = canvas.Handle())
                    DrawEdge(dc, &r, LMDEdgeType(s_.EdgeStyle), SideFlags(s_.BorderSides));
                InflateRect(&r, -2, -2);
            }
            break;
        case bmWindows:
            LMDDrawStdFrame(canvas, r, lsLoweredExt);
            break;
    }
    BorderStep(canvas, r, s_.BorderInnerWidth, s_.BorderColor, transparent);
    return r;
}
