#pragma once
// The border drawings a bevel is made of. Each draws inside the rectangle it is given and moves the
// rectangle in past what it drew.

#include <windows.h>

#include "shell/canvas_win.h"
#include "widgets/beveltypes.h"

// A three-dimensional frame of the given width: lowered styles are dark (the shadow colour) on the left
// and top and light on the right and bottom, raised styles the other way round; bvNormal is black; the framed styles
// draw nested one-pixel outlines. Nothing for width 0, bvNone and bvShadow.
void LMDDrawFrame3D(TCanvas& canvas, RECT& rect, TLMDBevelStyle style, TColor light, TColor shadow, int width);

// A drop shadow of the given depth along the right and bottom edges, then `frames` one-pixel outlines
// in the frame colour. The two corners beside the shadow get the corner colour unless transparent.
void LMDDrawFrameShadow(TCanvas& canvas,
                        RECT& rect,
                        TColor frame,
                        TColor shadow,
                        TColor corner,
                        int depth,
                        int frames,
                        bool transparent);

// The system's edge drawing (DrawEdge) for one of the standard border styles; `flags` are added to
// each call's BF_ flags.
void LMDDrawStdFrame(TCanvas& canvas, RECT& rect, TLMDBorderStyle style, UINT flags = 0);

// The edge type DrawEdge uses for an edge style.
UINT LMDEdgeType(TLMDEdgeStyle style);
