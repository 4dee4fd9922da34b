#pragma once
// Reading the headers of a Windows bitmap file (BMP): the file header, the core, info or larger
// header, the colour masks and the colour table. The result says where the pixels are and how many
// bytes of them to read; the caller hands header, colours and pixels to the system.

#include <cstdint>
#include <memory>
#include <vector>

#include "base/dibformat.h"
#include "base/memorystream.h"
#include "base/stream.h"

constexpr uint16_t kBitmapFileType = 0x4D42;  // "BM"
constexpr uint32_t kBitmapFileHeaderSize = 14;
// The colour table never holds more entries than this.
constexpr uint32_t kMaxBitmapColors = 256;

struct TBitmapLayout {
    // The header as the system takes it (a core header widened to 40 bytes), then the masks when
    // read, then the colour table with 4-byte entries.
    std::vector<uint8_t> info;
    TDibHeader header;              // info's header after the defaults were filled in
    uint32_t fileHeaderSize = 0;    // the header size as stored in the file (12 for a core header)
    bool os2 = false;               // the file had a core header
    bool compressed = false;        // compression other than BI_RGB and BI_BITFIELDS
    uint32_t colorCount = 0;        // entries in the colour table
    uint32_t colorTableOffset = 0;  // where the colour table starts in info
    uint64_t capacity = 0;          // bytes of pixels an image of the header's size holds
    // For compressed files: the header and everything after it, as read from the file.
    std::unique_ptr<TMemoryStream> compressedData;
    int64_t pixelPosition = 0;  // where the pixels start, in the pixel source
    uint64_t pixelBytes = 0;    // how many pixel bytes to read from there

    const uint8_t* ColorTable() const { return info.data() + colorTableOffset; }
};

// Reads a bitmap file from the stream's position (which must have at least one byte left) up to
// the pixels. Raises EReadError "Stream read error" when the file ends inside a header, the masks
// or the colour table, and EInvalidGraphic "Bitmap image is not valid" for data it does not accept.
// On return the pixel source (see below) is positioned at pixelPosition.
TBitmapLayout ReadBitmapLayout(TStream& stream);

// The stream that holds the pixels: the copy for compressed files, else the file itself.
TStream& PixelSource(TBitmapLayout& layout, TStream& file);
