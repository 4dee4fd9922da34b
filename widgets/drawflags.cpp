#include "widgets/drawflags.h"

#include <algorithm>
#include <cmath>

namespace {
int64_t RoundedRatio(int64_t a, int64_t b, int64_t c) {
    // a * b / c to the nearest integer; the factors are at most 32-bit, so the product fits.
    return std::llround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c));
}

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
}  // namespace

TDrawBox PlacePicture(uint16_t flags, const TDrawBox& target, int64_t w, int64_t h) {
    TDrawBox box{target.x, target.y, w, h};
    if (flags & kDrawStretch) {
        box.width = target.width;
        box.height = target.height;
        if (w <= 0 || h <= 0)
            return box;
        const bool widthFollows = (flags & kDrawWidthFollows) != 0;
        const bool heightFollows = (flags & kDrawHeightFollows) != 0;
        if (widthFollows && heightFollows) {
            // Fitted: the side that limits the scale fills the target.
            if (target.width * h <= target.height * w)
                box.height = RoundedRatio(target.width, h, w);
            else
                box.width = RoundedRatio(target.height, w, h);
        } else if (heightFollows) {
            box.height = RoundedRatio(target.width, h, w);
        } else if (widthFollows) {
            box.width = RoundedRatio(target.height, w, h);
        }
    } else if (flags & kDrawCenter) {
        box.x += (target.width - w) / 2;
        box.y += (target.height - h) / 2;
    }
    return box;
}

TTileSpan TileSpan(int64_t start, int64_t extent, int64_t size, int64_t visibleFrom, int64_t visibleTo) {
    TTileSpan span;
    if (size <= 0)
        return span;
    const int64_t count = extent / size + 1;
    // Tile k covers [start + k * size, start + (k + 1) * size).
    span.first = std::max<int64_t>(0, FloorDiv(visibleFrom - start, size));
    span.last = std::min<int64_t>(count, FloorDiv(visibleTo - start - 1, size));
    return span;
}
