#include "base/bmpformat.h"

#include <algorithm>

#include "base/bytes.h"
#include "base/exceptions.h"
#include "base/strings.h"

namespace {

[[noreturn]] void InvalidBitmap() {
    throw EInvalidGraphic(LoadStr(StrId::SInvalidBitmap));
}

// Reads a core header's remaining 8 bytes and builds the equivalent 40-byte info header.
void ReadCoreHeader(TStream& stream, std::vector<uint8_t>& info) {
    uint8_t core[8];
    stream.ReadBuffer(core, sizeof core);
    info.assign(dib::kInfoHeaderSize, 0);
    PutU32(&info[dib::kSize], dib::kInfoHeaderSize);
    PutU32(&info[dib::kWidth], GetU16(core));
    PutU32(&info[dib::kHeight], GetU16(core + 2));
    PutU16(&info[dib::kPlanes], GetU16(core + 4));
    PutU16(&info[dib::kBitCount], GetU16(core + 6));
}

// Reads the colour table, widening 3-byte core entries to 4 bytes (fourth byte 0).
void ReadColorTable(TStream& stream, uint32_t count, bool core, std::vector<uint8_t>& info) {
    const size_t start = info.size();
    info.resize(start + size_t{count} * 4);
    if (!core) {
        stream.ReadBuffer(info.data() + start, size_t{count} * 4);
        return;
    }
    std::vector<uint8_t> triples(size_t{count} * 3);
    stream.ReadBuffer(triples.data(), triples.size());
    for (size_t i = 0; i < count; ++i) {
        std::copy_n(&triples[i * 3], 3, &info[start + i * 4]);
        info[start + i * 4 + 3] = 0;
    }
}

}  // namespace

TBitmapLayout ReadBitmapLayout(TStream& stream) {
    TBitmapLayout layout;
    const int64_t start = stream.Position();
    const int64_t fileSize = stream.Size() - start;

    uint8_t fileHeader[kBitmapFileHeaderSize];
    stream.ReadBuffer(fileHeader, sizeof fileHeader);
    if (GetU16(fileHeader) != kBitmapFileType)
        InvalidBitmap();
    const uint32_t pixelOffset = GetU32(fileHeader + 10);

    // A file that stops right after the file header has no header size to read.
    if (fileSize == kBitmapFileHeaderSize)
        InvalidBitmap();
    uint8_t sizeField[4];
    stream.ReadBuffer(sizeField, sizeof sizeField);
    const uint32_t headerSize = GetU32(sizeField);
    layout.fileHeaderSize = headerSize;

    TStream* source = &stream;
    if (headerSize == dib::kCoreHeaderSize) {
        layout.os2 = true;
        ReadCoreHeader(stream, layout.info);
    } else {
        if (headerSize < dib::kInfoHeaderSize)
            InvalidBitmap();
        // Don't reserve room for a header the file cannot hold.
        if (headerSize > fileSize - kBitmapFileHeaderSize)
            throw EReadError(LoadStr(StrId::SReadError));
        layout.info.resize(headerSize);
        PutU32(layout.info.data(), headerSize);
        stream.ReadBuffer(layout.info.data() + 4, headerSize - 4);
        const uint32_t compression = GetU32(&layout.info[dib::kCompression]);
        if (compression != dib::kRgb && compression != dib::kBitFields) {
            // Compressed data goes to the system in one piece: keep header and data in memory.
            layout.compressed = true;
            layout.compressedData = std::make_unique<TMemoryStream>();
            layout.compressedData->Write(layout.info.data(), layout.info.size());
            layout.compressedData->AppendRest(stream);
            layout.compressedData->SetPosition(headerSize);
            source = layout.compressedData.get();
        }
    }

    if (GetU16(&layout.info[dib::kPlanes]) != 1)
        InvalidBitmap();

    const uint16_t bitCount = GetU16(&layout.info[dib::kBitCount]);
    const uint32_t compression = GetU32(&layout.info[dib::kCompression]);
    uint32_t maskBytes = 0;
    if (headerSize == dib::kInfoHeaderSize && (bitCount == 16 || bitCount == 32) && compression == dib::kBitFields) {
        maskBytes = 12;
        layout.info.resize(layout.info.size() + maskBytes);
        source->ReadBuffer(layout.info.data() + layout.info.size() - maskBytes, maskBytes);
    }

    uint32_t colors = GetU32(&layout.info[dib::kClrUsed]);
    if (colors == 0)
        colors = DefaultColorCount(bitCount);
    if (colors > kMaxBitmapColors)
        InvalidBitmap();
    PutU32(&layout.info[dib::kClrUsed], colors);
    layout.colorCount = colors;
    layout.colorTableOffset = static_cast<uint32_t>(layout.info.size());
    ReadColorTable(*source, colors, layout.os2, layout.info);

    TDibHeader& header = layout.header;
    header = DecodeDibHeader(layout.info.data());
    layout.capacity = DibImageBytes(header.width, header.height, header.bitCount);
    uint64_t imageSize = header.sizeImage;
    if (imageSize == 0)
        imageSize = layout.capacity;

    // The file header's pixel offset is honoured when it points past the colour table and into the
    // file; otherwise the pixels are taken to follow the colour table directly.
    const uint64_t tableEnd =
        uint64_t{kBitmapFileHeaderSize} + headerSize + maskBytes + uint64_t{colors} * (layout.os2 ? 3 : 4);
    const uint64_t fileOffset =
        pixelOffset >= tableEnd && pixelOffset < static_cast<uint64_t>(fileSize) ? pixelOffset : tableEnd;
    // The copy of compressed data starts at the header, right after the file header.
    layout.pixelPosition = layout.compressed ? static_cast<int64_t>(fileOffset - kBitmapFileHeaderSize)
                                             : start + static_cast<int64_t>(fileOffset);
    source->SetPosition(layout.pixelPosition);

    const uint64_t budget = static_cast<uint64_t>(fileSize) - fileOffset;
    layout.pixelBytes = std::min(budget, imageSize);
    if (layout.compressed) {
        // The system decodes no further than the header's image size: make that the bytes we have.
        header.sizeImage = ClampToU32(layout.pixelBytes);
    } else {
        // Never more than the bitmap made from this header can hold.
        layout.pixelBytes = std::min(layout.pixelBytes, layout.capacity);
        header.sizeImage = ClampToU32(imageSize);
    }
    PutU32(&layout.info[dib::kSizeImage], header.sizeImage);
    return layout;
}

TStream& PixelSource(TBitmapLayout& layout, TStream& file) {
    return layout.compressedData ? *layout.compressedData : file;
}
