#pragma once
// In captiondraw_win.cpp, captionmeasure_win.cpp.
// Drawing and measuring a caption with its three-dimensional effect.

#include <windows.h>

#include <string>

#include "settings/font.h"
#include "settings/fontpool.h"
#include "shell/canvas_win.h"
#include "widgets/fxcaption.h"

// Draws caption into textRect with DrawTextEx and the given format, once per pass of the effect's
// style (once without an effect). The main colour is the canvas font's colour (the brush colour for
// the primary-colour styles); a caption without dtEnabled is drawn grey in the effect's disabled
// style. With dtClip the passes are clipped to clipRect, or to textRect when clipRect is null. The
// text background is left transparent. An empty caption or rectangle draws nothing.
void LMDDrawTextExt(TCanvas& canvas,
                    const std::string& caption,
                    const TLMD3DCaption* effect,
                    const RECT& textRect,
                    UINT format,
                    TLMDTextStyles styles,
                    const RECT* clipRect = nullptr);

// A caption's measurement, kept by its control for the next paint: it stands while the caption,
// the font's data, the wrap width, the flags and the effect's angle, extra size and tracing are
// the same, and is taken again as soon as any of them differs.
struct TCaptionMeasure {
    struct Inputs {
        std::string caption;
        TFontKey font;
        int width = 0, margin = 0, angle = 0, extra = 0, tracing = 0;
        bool multiLine = false, accelerators = false;
        UINT format = 0;
        bool operator==(const Inputs& other) const;
    };
    bool valid = false;
    Inputs inputs;
    RECT rect{};                  // the result
    uint16_t posX = 0, posY = 0;  // the rotated text's start point
};

// Measures caption in font: on entry rect's width is the wrap width; on return rect is the
// caption's size at (0, 0), including the effect's extra size and (margin + 1) * 2 on each axis.
// Without accelerators "&" is shown as it is. For a caption effect the start point of rotated text
// (PosX, PosY) is set, silently; it is (0, 0) for text that is not rotated. With `kept`, a
// measurement of the same inputs is taken from it, and a new one is kept in it.
void LMDDrawTextCalc(const std::string& caption,
                     TLMD3DCaption* effect,
                     RECT& rect,
                     const TFont& font,
                     bool multiLine,
                     bool accelerators,
                     int margin,
                     UINT format,
                     TCaptionMeasure* kept = nullptr);
