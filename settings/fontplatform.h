#pragma once
// In font_win.cpp (Windows) and font_posix.cpp (other hosts).
// What the font layer takes from the platform: the default face, multiply-then-divide, and (in
// the Win32 layer) the platform font objects. Fixed once, when the graphics layer starts.

#include <cstdint>
#include <string>

#include "settings/font.h"

struct DefaultFontFace {
    std::string name;  // "MS Sans Serif", or the Shift-JIS face on a Japanese system
    int32_t size;      // points
    TFontCharset charset;
};

// The face of every new font: "MS Sans Serif", 8 points, DEFAULT_CHARSET; on a system with
// double-byte support whose stock system font is Shift-JIS, "ＭＳ Ｐゴシック", 9 points, charset 128.
const DefaultFontFace& DefaultFont();

// number * numerator / denominator, rounded to the nearest integer (halves away from zero);
// -1 for a zero denominator or a result beyond 32 bits.
int32_t PlatformMulDiv(int32_t number, int32_t numerator, int32_t denominator);
