#pragma once
// Draw flags of the image lists' Draw, DrawExt and ClipDraw, and where a picture lands for them.

#include <cstdint>

enum TLMDDrawFlag : uint16_t {
    kDrawClip = 0x0001,           // clip to the target rectangle (moved by the clip offset)
    kDrawCenter = 0x0008,         // one copy centred in the target
    kDrawStretch = 0x0010,        // stretched to the target
    kDrawTile = 0x0020,           // tiled from the target's top-left corner
    kDrawTransparent = 0x0040,    // pixels of the colour argument are left out
    kDrawBrushCopy = 0x0080,      // pixels of the transparent colour take the colour argument
    kDrawMasked = 0x0100,         // through a mask the caller supplies
    kDrawWidthFollows = 0x0200,   // stretched: the width keeps the proportions to the target height
    kDrawHeightFollows = 0x0400,  // stretched: the height keeps the proportions to the target width
    kDrawPalette = 0x1000,        // select and realise the picture's palette first
};

// A box in 64-bit coordinates, so that no placement arithmetic overflows.
struct TDrawBox {
    int64_t x = 0, y = 0, width = 0, height = 0;
};

// Where the one copy of a w x h picture goes in the target box for the flags (tiling aside): natural
// size at the top-left corner, centred (halves rounded towards zero) or stretched.
TDrawBox PlacePicture(uint16_t flags, const TDrawBox& target, int64_t w, int64_t h);

// The tiles of one direction: extent div size + 1 tiles beyond the first, numbered 0 to count
// inclusive, so the last ones overshoot the target. Only those meeting [visibleFrom, visibleTo) are
// returned, as the inclusive range first..last (empty when last < first).
struct TTileSpan {
    int64_t first = 0, last = -1;
};
TTileSpan TileSpan(int64_t start, int64_t extent, int64_t size, int64_t visibleFrom, int64_t visibleTo);
