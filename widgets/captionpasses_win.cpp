#include "widgets/captionpasses_win.h"

ScopedClip::ScopedClip(HDC dc, const RECT& rect) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    hadRegion_ = saved_ && GetClipRgn(dc, saved_.get()) == 1;
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

ScopedClip::~ScopedClip() {
    // GetClipRgn and SelectClipRgn both work in device coordinates, so the saved region fits as it is.
    SelectClipRgn(dc_, hadRegion_ ? saved_.get() : nullptr);
}

ScopedCharacterExtra::ScopedCharacterExtra(HDC dc, int extra) : dc_(dc), set_(extra != 0) {
    if (set_)
        previous_ = SetTextCharacterExtra(dc, extra);
}

ScopedCharacterExtra::~ScopedCharacterExtra() {
    if (set_)
        SetTextCharacterExtra(dc_, previous_ == static_cast<int>(0x80000000) ? 0 : previous_);
}

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
