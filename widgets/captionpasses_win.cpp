#include "widgets/captionpasses_win.h"

#include "base/dcguards_win.h"
#include "base/handles_win.h"

TextPasses::TextPasses(HDC dc, const std::string& text, const RECT& rect, UINT format, bool rotated)
    // The text is never changed in place: drawing has no room for DT_MODIFYSTRING's ellipsis.
    : dc_(dc), text_(text), rect_(rect), format_(format & ~static_cast<UINT>(DT_MODIFYSTRING)), rotated_(rotated) {}

void TextPasses::Move(int dx, int dy) {
    rect_.left += dx;
    rect_.top += dy;
    if (!rotated_) {
        rect_.right += dx;
        rect_.bottom += dy;
    }
}

void TextPasses::Draw(int dx, int dy, COLORREF colour) {
    Move(dx, dy);
    SetTextColor(dc_, colour);
    Text();
}

void TextPasses::Outline(int dx, int dy, int penWidth, COLORREF colour) {
    Move(dx, dy);
    BeginPath(dc_);
    Text();
    EndPath(dc_);
    UniqueHandle<HPEN, handle_traits::Gdi<HPEN>> pen(CreatePen(PS_SOLID, penWidth, colour));
    ScopedSelect select(dc_, pen.get());
    StrokePath(dc_);
}

void TextPasses::Text() {
    if (rotated_) {
        ExtTextOutA(dc_, rect_.left, rect_.top, 0, nullptr, text_.data(), static_cast<UINT>(text_.size()), nullptr);
        return;
    }
    RECT rect = rect_;  // a copy: a DT_CALCRECT in the format must not move the working rectangle
    DrawTextExA(dc_, text_.data(), static_cast<int>(text_.size()), &rect, format_, nullptr);
}
