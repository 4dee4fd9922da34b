#include "widgets/bevelframes_win.h"

namespace {

void FrameWith(TCanvas& canvas, const RECT& rect, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FrameRect(rect);
}

// Solid fills without outline.
void FillPolygon(TCanvas& canvas, const POINT* points, int count, TColor color) {
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
    if (HDC dc = canvas.Handle())
        Polygon(dc, points, count);
}

// One DrawEdge call of a standard frame.
struct EdgeCall {
    UINT edge;
    UINT flags;
};

// A standard frame: up to two edge calls, then the sides moved in a little more.
struct StdFrame {
    EdgeCall calls[2];
    int count;
    RECT extraInset;
};

constexpr UINT kAdjustAll = BF_RECT | BF_ADJUST;

StdFrame StdFrameOf(TLMDBorderStyle style) {
    switch (style) {
        case lsNone:
            return {{}, 0, {}};
        case lsSingle:
            return {{{BDR_SUNKENOUTER, BF_SOFT | BF_TOPLEFT | BF_ADJUST}, {BDR_RAISEDOUTER, BF_BOTTOMRIGHT}}, 2, {}};
        case lsLowered:
            return {{{EDGE_SUNKEN, kAdjustAll | BF_SOFT}}, 1, {}};
        case lsRaised:
            return {{{EDGE_RAISED, kAdjustAll | BF_SOFT}}, 1, {}};
        case lsRaisedspb:
            return {{{BDR_RAISEDOUTER, kAdjustAll | BF_SOFT}, {BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST}}, 2, {}};
        case lsLoweredspb:
            return {{{BDR_SUNKENOUTER, kAdjustAll}, {BDR_SUNKENINNER, BF_TOPLEFT | BF_ADJUST}}, 2, {}};
        case lsRaisedExt:
            return {{{BDR_RAISEDOUTER, kAdjustAll | BF_SOFT}, {BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST}},
                    2,
                    {1, 1, 0, 0}};
        case lsLoweredExt:
            return {{{BDR_SUNKENOUTER, kAdjustAll}, {BDR_SUNKENINNER, BF_TOPLEFT | BF_ADJUST}}, 2, {0, 0, 1, 1}};
        case lsFrameInset:
            return {{{EDGE_ETCHED, kAdjustAll}}, 1, {}};
        case lsFrameOffset:
            return {{{BDR_RAISEDINNER, kAdjustAll}, {BDR_SUNKENOUTER, kAdjustAll}}, 2, {}};
        case lsWindowBorder:
            break;  // its inset lies between its two calls
        case lsSingleRaised:
            return {{{BDR_RAISEDINNER, kAdjustAll}}, 1, {}};
        case lsSingleLowered:
            return {{{BDR_SUNKENOUTER, kAdjustAll}}, 1, {}};
        case lsDoubleRaised:
            return {{{BDR_RAISEDINNER, kAdjustAll}, {BDR_RAISEDINNER, kAdjustAll}}, 2, {}};
        case lsDoubleLowered:
            return {{{BDR_SUNKENOUTER, kAdjustAll}, {BDR_SUNKENOUTER, kAdjustAll}}, 2, {}};
    }
    return {{}, 0, {}};
}

void Inset(RECT& rect, const RECT& by) {
    rect.left += by.left;
    rect.top += by.top;
    rect.right -= by.right;
    rect.bottom -= by.bottom;
}

}  // namespace

void LMDDrawFrame3D(TCanvas& canvas, RECT& rect, TLMDBevelStyle style, TColor light, TColor shadow, int width) {
    if (width == 0 || style == bvNone || style == bvShadow)
        return;
    // B paints the left and top edges, A the right and bottom ones.
    TColor a = clBlack, b = clBlack;
    if (style == bvLowered || style == bvFrameLowered) {
        a = light;
        b = shadow;
    } else if (style == bvRaised || style == bvFrameRaised) {
        a = shadow;
        b = light;
    }
    const LONG l = rect.left, t = rect.top, r = rect.right, btm = rect.bottom;
    if (style == bvFrameLowered || style == bvFrameRaised) {
        for (int i = 0; i < width; ++i) {
            FrameWith(canvas, RECT{l + i + 1, t + i + 1, r, btm}, a);
            FrameWith(canvas, RECT{l, t, r - i - 1, btm - i - 1}, b);
        }
        rect = RECT{l + width + 1, t + width + 1, r - width - 1, btm - width - 1};
        return;
    }
    if (width == 1) {
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(b);
        canvas.MoveTo(l, btm - 1);
        canvas.LineTo(l, t);
        canvas.LineTo(r - 1, t);
        canvas.Pen().SetColor(a);
        canvas.LineTo(r - 1, btm - 1);
        canvas.LineTo(l, btm - 1);
    } else {
        const LONG il = l + width, it = t + width, ir = r - width, ib = btm - 1 - width;
        const POINT lowerRight[] = {{l, btm}, {il, ib}, {ir, ib}, {ir, it}, {r, t}, {r, btm}};
        FillPolygon(canvas, lowerRight, 6, a);
        const POINT upperLeft[] = {{l, btm - 1}, {il, ib}, {il, it}, {ir - 1, it}, {r - 1, t}, {l, t}};
        FillPolygon(canvas, upperLeft, 6, b);
    }
    rect = RECT{l + width, t + width, r - width, btm - width};
}

void LMDDrawFrameShadow(TCanvas& canvas,
                        RECT& rect,
                        TColor frame,
                        TColor shadow,
                        TColor corner,
                        int depth,
                        int frames,
                        bool transparent) {
    const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(shadow);
    canvas.FillRect(RECT{r - depth, t + depth, r, b});
    canvas.FillRect(RECT{l + depth, b - depth, r, b});
    if (!transparent) {
        canvas.Brush().SetColor(corner);
        canvas.FillRect(RECT{r - depth, t, r, t + depth});
        canvas.FillRect(RECT{l, b - depth, l + depth, b});
    }
    rect = RECT{l, t, r - depth, b - depth};
    for (int i = 0; i < frames; ++i) {
        FrameWith(canvas, rect, frame);
        InflateRect(&rect, -1, -1);
    }
    canvas.Pen().SetWidth(1);
}

void LMDDrawStdFrame(TCanvas& canvas, RECT& rect, TLMDBorderStyle style, UINT flags) {
    HDC dc = canvas.Handle();
    if (!dc)
        return;
    if (style == lsWindowBorder) {
        DrawEdge(dc, &rect, BDR_RAISEDOUTER, BF_BOTTOMRIGHT | BF_ADJUST | flags);
        rect.left += 1;
        rect.top += 1;
        DrawEdge(dc, &rect, BDR_RAISEDINNER, kAdjustAll | flags);
        return;
    }
    const StdFrame frame = StdFrameOf(style);
    for (int i = 0; i < frame.count; ++i)
        DrawEdge(dc, &rect, frame.calls[i].edge, frame.calls[i].flags | flags);
    Inset(rect, frame.extraInset);
}

UINT LMDEdgeType(TLMDEdgeStyle style) {
    static const UINT types[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                                 EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
    return types[style];
}
