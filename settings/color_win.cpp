#include <windows.h>

#include "settings/color.h"

TColor ResolveColor(TColor color) {
    return color < 0 ? static_cast<TColor>(GetSysColor(static_cast<int>(color & 0xFF))) : color;
}
