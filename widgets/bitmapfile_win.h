#pragma once
// A bitmap's stored form: the bytes of a bitmap file that loads back into the same picture.

#include <cstdint>
#include <vector>

#include "shell/bitmap_win.h"
#include "widgets/listtypes.h"

// The bitmap as a file: as it is (a compressed file as it was read) for spfDefault, at 2, 16 or 256
// colours for the other formats. An empty bitmap gives no bytes. The bitmap must not be selected into
// a device context.
std::vector<uint8_t> BitmapFileBytes(const TBitmap& bitmap, TLMDSavePixelFormat format);

// Makes target an independent copy of source (not sharing its image).
void CopyBitmap(const TBitmap& source, TBitmap& target);
