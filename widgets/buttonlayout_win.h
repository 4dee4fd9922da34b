#pragma once
// In buttoncaption_win.cpp.
// Laying out and drawing a button's caption (a button without glyph) inside its content rectangle.

#include <windows.h>

#include <string>

#include "shell/canvas_win.h"
#include "widgets/buttonlayout.h"
#include "widgets/fxcaption_win.h"

// The platform's text format flags for each alignment, used for multi-line captions.
UINT LMDAlignFlags(TLMDAlignment alignment);

// Measures the caption in the canvas's font with its effect (the caption box: the text plus the
// effect's extra size plus 2 on each axis), places the box in content by the layout's alignment,
// draws the text one pixel in from the box's top-left, shifted by the layout's offsets, and hands back
// where the text went. The canvas's font colour is the caption's main colour. "&" marks the next
// character as the accelerator (underlined); "&&" shows one ampersand. A single-line caption is never
// wrapped or shortened: what lies outside the button is cut off by the button's own bounds. With
// dtCalculate in styles nothing is drawn; with dtAutoSize the box stays at (0, 0). `kept` keeps the
// measurement for the next call (see LMDDrawTextCalc).
void LMDDrawButtonCaption(TCanvas& canvas,
                          const std::string& caption,
                          TLMDFxCaption* effect,
                          const RECT& content,
                          const TLMDButtonLayout& layout,
                          bool multiLine,
                          TLMDTextStyles styles,
                          UINT formatFlags,
                          RECT* textRectOut = nullptr,
                          TCaptionMeasure* kept = nullptr);
