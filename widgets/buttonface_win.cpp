#include "widgets/buttonface_win.h"

#include "base/dcguards_win.h"
#include "base/handles_win.h"

namespace {

COLORREF Paint(TColor color) {
    return static_cast<COLORREF>(ResolveColor(color));
}

bool NewStyleControls() {
    return LOBYTE(LOWORD(GetVersion())) >= 4;
}

TLMDUserButtonStyle Detected(TLMDUserButtonStyle style) {
    if (style != ubsAutoDetect)
        return style;
    return NewStyleControls() ? ubsWin40 : ubsWin31;
}

bool IsFlatStyle(TLMDUserButtonStyle style) {
    return style == ubsDelphiFlat || style == ubsFlat || style == ubsFlatUnColored || style == ubsNavigator;
}

// The one-pixel frames of the explorer and flat looks: sunken when pressed, raised under the mouse.
void ThinFrame(HDC dc, RECT rect, bool down, bool hover) {
    if (down)
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (hover)
        DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
}

// The face colour checkered with the highlight colour, as a set option button shows it.
UniqueBrush DitheredBrush(TColor color) {
    const COLORREF face = Paint(color), highlight = Paint(clBtnHighlight);
    auto pixel = [](COLORREF c) -> uint32_t { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); };
    uint32_t pixels[8 * 8];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels[y * 8 + x] = pixel((x + y) % 2 ? highlight : face);
    UniqueBitmap pattern(CreateBitmap(8, 8, 1, 32, pixels));
    return UniqueBrush(pattern ? CreatePatternBrush(pattern.get()) : CreateSolidBrush(face));
}

void FillFace(HDC dc, const RECT& rect, TColor color, bool dithered) {
    UniqueBrush brush = dithered ? DitheredBrush(color) : UniqueBrush(CreateSolidBrush(Paint(color)));
    FillRect(dc, &rect, brush.get());
}

void Line(HDC dc, HPEN pen, int x1, int y1, int x2, int y2) {
    ScopedSelect select(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Two rings of lines: top/left and bottom/right colours for the outer and the inner ring.
void IntegratedFrame(HDC dc, const RECT& rect, bool down) {
    using Pen = UniqueHandle<HPEN, handle_traits::Gdi<HPEN>>;
    const COLORREF black = RGB(0, 0, 0), grey = RGB(128, 128, 128), white = RGB(255, 255, 255);
    const COLORREF face = Paint(clBtnFace);
    const COLORREF rings[2][2] = {{down ? black : white, down ? white : black},
                                  {down ? grey : face, down ? face : grey}};
    RECT r = rect;
    for (const auto& ring : rings) {
        if (r.right - r.left < 2 || r.bottom - r.top < 2)
            return;
        Pen light(CreatePen(PS_SOLID, 1, ring[0])), dark(CreatePen(PS_SOLID, 1, ring[1]));
        Line(dc, light.get(), r.left, r.bottom - 1, r.left, r.top);
        Line(dc, light.get(), r.left, r.top, r.right - 1, r.top);
        Line(dc, dark.get(), r.right - 1, r.top, r.right - 1, r.bottom - 1);
        Line(dc, dark.get(), r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1);
        InflateRect(&r, -1, -1);
    }
}

void ClassicBevel(HDC dc, RECT rect, TLMDUserButtonStyle style, bool down, uint16_t options) {
    if (style == ubsWin31) {
        UniqueBrush black(CreateSolidBrush(RGB(0, 0, 0)));
        FrameRect(dc, &rect, black.get());
        InflateRect(&rect, -1, -1);
    }
    if (down && (options & kFaceThinDown)) {
        UniqueBrush shadow(CreateSolidBrush(Paint(clBtnShadow)));
        FrameRect(dc, &rect, shadow.get());
        InflateRect(&rect, -1, -1);
    } else {
        DrawEdge(dc, &rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    }
    if (options & kFaceFocusRect) {
        InflateRect(&rect, -1, -1);
        DrawFocusRect(dc, &rect);
    }
}

}  // namespace

uint8_t LMDGetButtonBevel(TLMDUserButtonStyle style, TLMDButtonState) {
    switch (Detected(style)) {
        case ubsWin31:
            return 3;
        case ubsFlat:
        case ubsFlatUnColored:
        case ubsExplorer:
        case ubsExplorerColored:
            return 1;
        default:
            return 2;
    }
}

bool LMDDrawBtnFace(TCanvas& canvas,
                    bool mouseOver,
                    RECT& rect,
                    TLMDUserButtonStyle style,
                    TLMDButtonState state,
                    uint16_t options,
                    TColor color) {
    style = Detected(style);
    const RECT face = rect;
    const bool down = IsDownState(state);
    if (HDC dc = canvas.Handle()) {
        if (IsExplorerStyle(style)) {
            ThinFrame(dc, face, down, state == bsMouseOver);
        } else {
            const bool flat = IsFlatStyle(style);
            FillFace(dc, face, color, state == bsOptionSet && !(flat && mouseOver));
            if (flat) {
                if (style == ubsNavigator || style == ubsDelphiFlat)
                    canvas.Rectangle(face);
                const bool hover = state == bsMouseOver || (mouseOver && state == bsUp);
                ThinFrame(dc, face, down, hover);
            } else if (style == ubsIntegrated) {
                IntegratedFrame(dc, face, down);
            } else {
                ClassicBevel(dc, face, style, down, options);
            }
        }
    }
    rect = face;
    InflateRect(&rect, -3, -3);
    if (down)
        OffsetRect(&rect, 1, 1);
    return true;
}
