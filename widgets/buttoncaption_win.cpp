#include "widgets/buttonlayout_win.h"

#include "shell/geometry.h"
#include "widgets/aligngeom_win.h"

namespace {

// Moves the rectangle, each coordinate held at the ends of the 32-bit range.
void Shift(RECT& rect, int64_t dx, int64_t dy) {
    rect = RECT{SaturateInt32(rect.left + dx), SaturateInt32(rect.top + dy), SaturateInt32(rect.right + dx),
                SaturateInt32(rect.bottom + dy)};
}

}  // namespace

UINT LMDAlignFlags(TLMDAlignment alignment) {
    static const UINT flags[] = {0,
                                 DT_CENTER,
                                 DT_RIGHT,
                                 DT_VCENTER,
                                 DT_CENTER | DT_VCENTER,
                                 DT_RIGHT | DT_VCENTER,
                                 DT_BOTTOM,
                                 DT_CENTER | DT_BOTTOM,
                                 DT_RIGHT | DT_BOTTOM};
    return alignment <= agBottomRight ? flags[alignment] : 0;
}

void LMDDrawButtonCaption(TCanvas& canvas,
                          const std::string& caption,
                          TLMDFxCaption* effect,
                          const RECT& content,
                          const TLMDButtonLayout& layout,
                          bool multiLine,
                          TLMDTextStyles styles,
                          UINT formatFlags,
                          RECT* textRectOut,
                          TCaptionMeasure* kept) {
    RECT textRect{0, 0, 0, 0};
    if (!caption.empty()) {
        textRect.right = content.right - content.left;
        LMDDrawTextCalc(caption, effect, textRect, canvas.Font(), multiLine, true, 0, formatFlags, kept);
    }
    if (!styles.Contains(dtAutoSize)) {
        const RECT placed = LMDAlignRect(layout.Alignment(), textRect, content);
        Shift(textRect, int64_t{placed.left} + 1, int64_t{placed.top} + 1);
    }
    canvas.Brush().SetStyle(bsClear);
    UINT format = formatFlags | DT_EXPANDTABS | DT_WORDBREAK;
    if (multiLine)
        format |= LMDAlignFlags(layout.Alignment());
    Shift(textRect, layout.OffsetX(), layout.OffsetY());
    if (!styles.Contains(dtCalculate))
        LMDDrawTextExt(canvas, caption, effect, textRect, format, styles);
    if (textRectOut)
        *textRectOut = textRect;
}
