#include "widgets/fxcaption_win.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "widgets/captionpasses_win.h"

namespace {

// The bounding box of text of the given plain size turned by angle degrees counter-clockwise about
// its top-left corner, and where that corner lies inside the box.
struct RotatedBox {
    int width, height, startX, startY;
};

RotatedBox Rotate(SIZE plain, int angle) {
    const double radians = angle * std::numbers::pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    // Screen y grows downward, so the baseline runs along (cos, -sin) and the glyphs' height along (sin, cos).
    const double xs[] = {0.0, plain.cx * c, plain.cy * s, plain.cx * c + plain.cy * s};
    const double ys[] = {0.0, -plain.cx * s, plain.cy * c, -plain.cx * s + plain.cy * c};
    const auto [minX, maxX] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [minY, maxY] = std::minmax_element(std::begin(ys), std::end(ys));
    // The small allowance keeps rounding noise (cos 90 degrees is not exactly 0) from adding a pixel.
    auto whole = [](double extent) { return static_cast<int>(std::ceil(extent - 1e-6)); };
    return RotatedBox{whole(*maxX - *minX), whole(*maxY - *minY), static_cast<int>(std::lround(-*minX)),
                      static_cast<int>(std::lround(-*minY))};
}

// The context captions are measured in: a memory context compatible with the screen, made once.
// It measures as the screen's own context does (the same device, fonts and resolution) without
// borrowing that context for each caption, a round trip to the window system every time.
HDC MeasuringContext() {
    static const UniqueMemoryDC context(CreateCompatibleDC(nullptr));
    return context.get();
}

uint16_t Clamp16(int value) {
    return static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
}

}  // namespace

bool TCaptionMeasure::Inputs::operator==(const Inputs& other) const {
    return caption == other.caption && std::memcmp(&font, &other.font, sizeof font) == 0 && width == other.width &&
           margin == other.margin && angle == other.angle && extra == other.extra && tracing == other.tracing &&
           multiLine == other.multiLine && accelerators == other.accelerators && format == other.format;
}

void LMDDrawTextCalc(const std::string& caption,
                     TLMD3DCaption* effect,
                     RECT& rect,
                     const TFont& font,
                     bool multiLine,
                     bool accelerators,
                     int margin,
                     UINT format,
                     TCaptionMeasure* kept) {
    auto* fx = dynamic_cast<TLMDFxCaption*>(effect);
    TCaptionMeasure::Inputs inputs;
    if (kept) {
        inputs = {caption,
                  font.Data().key,
                  static_cast<int>(rect.right - rect.left),
                  margin,
                  fx ? fx->Angle() : 0,
                  effect ? effect->ExtraSize() : 0,
                  effect ? effect->Tracing() : 0,
                  multiLine,
                  accelerators,
                  format};
        if (kept->valid && kept->inputs == inputs) {
            if (fx)
                fx->SetPosXY(kept->posX, kept->posY);
            rect = kept->rect;
            return;
        }
    }
    WindowDC screen;  // the screen's own context, only when no memory context could be made
    HDC measuring = MeasuringContext();
    if (!measuring) {
        screen = WindowDC(nullptr);
        measuring = screen.get();
    }
    TCanvas canvas;  // destroyed before the screen's context is released, leaving the context as it was
    canvas.SetHandle(measuring);
    canvas.Font().Assign(font);
    HDC dc = canvas.Handle();
    const int extra = effect ? effect->ExtraSize() : 0;
    ScopedCharacterExtra tracing(dc, effect ? effect->Tracing() : 0);

    int width = 0, height = 0;
    if (fx && fx->Angle() != 0) {
        SIZE plain{0, 0};
        GetTextExtentPoint32A(dc, caption.data(), static_cast<int>(caption.size()), &plain);
        const RotatedBox box = Rotate(plain, fx->Angle());
        fx->SetPosXY(Clamp16(box.startX), Clamp16(box.startY));
        width = box.width + extra;
        height = box.height + extra;
    } else {
        if (fx)
            fx->SetPosXY(0, 0);
        UINT calcFormat = (format & ~static_cast<UINT>(DT_MODIFYSTRING)) | DT_CALCRECT | DT_EXPANDTABS;
        if (multiLine)
            calcFormat |= DT_WORDBREAK;
        if (!accelerators)
            calcFormat |= DT_NOPREFIX;
        // An empty caption, or a lone accelerator mark, still takes the height of a line.
        std::string text = caption.empty() || (accelerators && caption == "&") ? std::string(" ") : caption;
        RECT measured{0, 0, rect.right - rect.left, 0};
        DrawTextExA(dc, text.data(), static_cast<int>(text.size()), &measured, calcFormat, nullptr);
        width = measured.right - measured.left + extra;
        height = measured.bottom - measured.top + extra;
    }
    const int border = (margin + 1) * 2;
    rect = RECT{0, 0, width + border, height + border};
    if (kept) {
        kept->valid = true;
        kept->inputs = std::move(inputs);
        kept->rect = rect;
        kept->posX = fx ? fx->PosX() : 0;
        kept->posY = fx ? fx->PosY() : 0;
    }
}
