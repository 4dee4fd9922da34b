#pragma once
// Making the system's bitmap from a bitmap file's headers and pixels.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "base/bmpformat.h"
#include "base/handles_win.h"
#include "base/memorystream.h"
#include "base/stream.h"

// A loaded picture; bitmaps assigned to each other share one.
struct TBitmapImage {
    UniqueBitmap handle;    // a DIB section, or a device-dependent bitmap for compressed files
    UniquePalette palette;  // may be empty
    DIBSECTION dib{};       // the system's description of handle, with the file's resolution and colour counts
    bool os2 = false;       // the file had a core header
    std::unique_ptr<TMemoryStream> compressedData;  // header and compressed data, for compressed files
};

// Builds the image from a layout read by ReadBitmapLayout; the pixels come from the layout's
// pixel source (file is the stream the layout was read from). Raises EOutOfResources when the
// screen's device context is not available, EWin32Error or EInvalidGraphic when the system
// refuses the bitmap, EReadError when the pixels are cut short.
std::shared_ptr<TBitmapImage> CreateBitmapImage(TBitmapLayout& layout, TStream& file);

// A logical palette of the given RGBQUAD colours; empty for 0 colours.
UniquePalette CreatePaletteFromTable(const uint8_t* table, uint32_t count);
