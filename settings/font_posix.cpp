// The font layer's platform side on other hosts: a 96 dpi screen, the Western default face and no
// platform font objects.

#include "settings/fontplatform.h"
#include "settings/fontpool.h"

int ScreenPixelsPerInch() {
    return 96;
}

const DefaultFontFace& DefaultFont() {
    static const DefaultFontFace face{"MS Sans Serif", 8, 1};
    return face;
}

int32_t PlatformMulDiv(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0)
        return -1;
    int64_t a = number;
    int64_t d = denominator;
    if (d < 0) {
        a = -a;
        d = -d;
    }
    const int64_t product = a * numerator;
    const int64_t result = (product >= 0 ? product + d / 2 : product - d / 2) / d;
    return result > INT32_MAX || result < -INT32_MAX ? -1 : static_cast<int32_t>(result);
}

void DestroyPlatformFont(PlatformFont*) {
    // No platform font is ever made here.
}
