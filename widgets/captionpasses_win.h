#pragma once
// The pieces the caption routines share: a text drawn several times at moving offsets, and guards that
// put the device context's clipping and character spacing back as they were.

#include <windows.h>

#include <string>

#include "base/handles_win.h"

// Restricts drawing to a rectangle; the previous clipping comes back when the guard ends.
class ScopedClip {
public:
    ScopedClip(HDC dc, const RECT& rect);
    ~ScopedClip();
    ScopedClip(const ScopedClip&) = delete;
    ScopedClip& operator=(const ScopedClip&) = delete;

private:
    HDC dc_;
    UniqueRegion saved_;
    bool hadRegion_;
};

// Adds extra pixels between characters (SetTextCharacterExtra) for the guard's life; 0 changes nothing.
class ScopedCharacterExtra {
public:
    ScopedCharacterExtra(HDC dc, int extra);
    ~ScopedCharacterExtra();
    ScopedCharacterExtra(const ScopedCharacterExtra&) = delete;
    ScopedCharacterExtra& operator=(const ScopedCharacterExtra&) = delete;

private:
    HDC dc_;
    int previous_ = 0;
    bool set_;
};

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
