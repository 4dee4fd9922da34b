#pragma once
// Turning a TFont into a platform font. The widgets draw with FontHandle; the handle belongs to the
// font's shared data record and is deleted with it, so callers never delete it.

#include <windows.h>

#include "settings/font.h"

// The LOGFONT that realises the font: height, weight 700 or 400, the style flags, the character
// set, the pitch (variable 2, fixed 1, else 0) and the face name ("Default" in any letter case
// stands for the default font's face); everything else left at zero, the platform's defaults.
LOGFONTA FontLogFont(const TFont& font);

// The platform font for the font's data, made on first use and shared by every font with the same
// data. Owned by the data record: never delete it.
HFONT FontHandle(const TFont& font);
