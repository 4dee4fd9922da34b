#pragma once
// What the caption routines share: a text drawn several times at moving offsets.

#include <windows.h>

#include <string>

// One text drawn in passes: each pass first moves the working rectangle by its offset (the moves add
// up), then draws the text in its colour. Rotated text is drawn with ExtTextOut at the rectangle's
// top-left, with the font already selected; other text with DrawTextEx and the format.
class TextPasses {
public:
    TextPasses(HDC dc, const std::string& text, const RECT& rect, UINT format, bool rotated);

    void NarrowBy(int pixels) { rect_.right -= pixels; }
    void Move(int dx, int dy);
    void Draw(int dx, int dy, COLORREF colour);
    // Moves by (dx, dy) and strokes the text's outline with a solid pen of the given width, not
    // filling the glyphs.
    void Outline(int dx, int dy, int penWidth, COLORREF colour);

private:
    void Text();

    HDC dc_;
    std::string text_;
    RECT rect_;
    UINT format_;
    bool rotated_;
};
