#pragma once
// The alignment geometry on the platform's rectangles.

#include <windows.h>

#include "widgets/aligngeom.h"

inline TGeomRect ToGeomRect(const RECT& rect) {
    return TGeomRect{rect.left, rect.top, rect.right, rect.bottom};
}

inline RECT ToRect(const TGeomRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

inline RECT LMDAlignRect(TLMDAlignment alignment, const RECT& inner, const RECT& outer) {
    return ToRect(LMDAlignRect(alignment, ToGeomRect(inner), ToGeomRect(outer)));
}
