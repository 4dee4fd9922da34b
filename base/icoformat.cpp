#include "base/icoformat.h"

#include <algorithm>
#include <cstdlib>

#include "base/bytes.h"
#include "base/dibformat.h"
#include "base/exceptions.h"
#include "base/strings.h"

namespace {

[[noreturn]] void InvalidIcon() {
    throw EInvalidGraphic(LoadStr(StrId::SInvalidIcon));
}

// Header, three masks and 256 colours: all a header can make the system read.
constexpr size_t kInfoRoom = dib::kInfoHeaderSize + 12 + 256 * 4;

}  // namespace

TIconHeader ReadIconHeader(TStream& stream) {
    uint8_t bytes[kIconHeaderSize];
    stream.ReadBuffer(bytes, sizeof bytes);
    TIconHeader header;
    header.reserved = GetU16(bytes);
    header.type = GetU16(bytes + 2);
    header.count = GetU16(bytes + 4);
    if (header.type > 1)
        InvalidIcon();
    if (header.type == 1 && header.count == 0)
        InvalidIcon();
    return header;
}

std::vector<TIconEntry> ReadIconDirectory(TStream& file) {
    file.SetPosition(0);
    const uint64_t fileSize = static_cast<uint64_t>(file.Size());
    const TIconHeader header = ReadIconHeader(file);
    // Grown entry by entry: a count beyond the file's end raises the read error without first taking
    // room for 65,535 entries.
    std::vector<TIconEntry> entries;
    for (uint16_t n = 0; n < header.count; ++n) {
        uint8_t bytes[kIconEntrySize];
        file.ReadBuffer(bytes, sizeof bytes);
        TIconEntry& entry = entries.emplace_back();
        entry.width = bytes[0];
        entry.height = bytes[1];
        entry.colors = GetU16(bytes + 2);
        entry.planes = GetU16(bytes + 4);
        entry.bitCount = GetU16(bytes + 6);
        entry.dataSize = GetU32(bytes + 8);
        entry.dataOffset = GetU32(bytes + 12);
    }
    for (const TIconEntry& entry : entries)
        if (uint64_t{entry.dataOffset} + entry.dataSize > fileSize)
            InvalidIcon();
    return entries;
}

int32_t ScreenColors(int planes, int bitsPerPixel) {
    const int64_t bits = int64_t{planes} * bitsPerPixel;
    if (bits < 0 || bits > 8)
        return kManyColors;
    return int32_t{1} << bits;
}

int32_t ColorValue(const TIconEntry& entry) {
    return entry.colors == 0 ? kManyColors : entry.colors;
}

bool SizeAtLeastAsGood(int d, int d0) {
    return std::abs(d) <= std::abs(d0) && (d <= 0 || d <= d0);
}

size_t ChooseIconImage(const std::vector<TIconEntry>& entries,
                       int targetWidth,
                       int targetHeight,
                       int32_t screenColors) {
    size_t chosen = 0;
    int32_t chosenColors = ColorValue(entries[0]);
    for (size_t i = 1; i < entries.size(); ++i) {
        const TIconEntry& entry = entries[i];
        const int32_t colors = ColorValue(entry);
        const int dx = entry.width - targetWidth, dy = entry.height - targetHeight;
        const int dx0 = entries[chosen].width - targetWidth, dy0 = entries[chosen].height - targetHeight;
        if (colors <= screenColors && colors >= chosenColors && SizeAtLeastAsGood(dx, dx0) &&
            SizeAtLeastAsGood(dy, dy0)) {
            chosen = i;
            chosenColors = colors;
        }
    }
    return chosen;
}

TIconImage ReadIconImage(const std::vector<uint8_t>& file, const TIconEntry& entry) {
    if (uint64_t{entry.dataOffset} + entry.dataSize > file.size())
        InvalidIcon();
    TIconImage image;
    image.width = entry.width;
    image.height = entry.height;

    // The colour part's header, with the height of the colour image alone (the stored height
    // covers colour and mask together).
    image.colorInfo.assign(kInfoRoom, 0);
    const auto* data = file.data() + entry.dataOffset;
    std::copy_n(data, std::min<size_t>(entry.dataSize, kInfoRoom), image.colorInfo.begin());
    // The data is read as a 40-byte header whatever its size field says, and the system is never
    // told of more colours than the table has room for.
    PutU32(&image.colorInfo[dib::kSize], dib::kInfoHeaderSize);
    if (GetU32(&image.colorInfo[dib::kClrUsed]) > 256)
        PutU32(&image.colorInfo[dib::kClrUsed], 256);
    TDibHeader header = DecodeDibHeader(image.colorInfo.data());
    header.height /= 2;
    const uint32_t tableEntries = DefaultColorCount(header.bitCount);
    image.colorBytes = DibImageBytes(header.width, header.height, header.bitCount);
    image.maskBytes = DibImageBytes(header.width, header.height, 1);
    PutU32(&image.colorInfo[dib::kHeight], static_cast<uint32_t>(header.height));
    PutU32(&image.colorInfo[dib::kSizeImage], ClampToU32(image.colorBytes));

    if (image.colorBytes > kMaxIconImageBytes || image.maskBytes > kMaxIconImageBytes)
        throw EOutOfResources(LoadStr(StrId::SOutOfResources));
    const uint64_t needed = uint64_t{dib::kInfoHeaderSize} + tableEntries * 4 + image.colorBytes + image.maskBytes;
    image.data.assign(static_cast<size_t>(std::max<uint64_t>(needed, entry.dataSize)), 0);
    std::copy_n(data, entry.dataSize, image.data.begin());
    image.colorPixels = dib::kInfoHeaderSize + tableEntries * 4;
    image.maskPixels = image.colorPixels + static_cast<size_t>(image.colorBytes);

    // The mask: the same size at 1 bit per pixel, colour 0 black and colour 1 white.
    image.maskInfo.assign(dib::kInfoHeaderSize + 8, 0);
    std::copy_n(image.colorInfo.begin(), dib::kInfoHeaderSize, image.maskInfo.begin());
    PutU16(&image.maskInfo[dib::kBitCount], 1);
    PutU32(&image.maskInfo[dib::kSizeImage], ClampToU32(image.maskBytes));
    PutU32(&image.maskInfo[dib::kClrUsed], 2);
    PutU32(&image.maskInfo[dib::kClrImportant], 2);
    for (int i = 0; i < 3; ++i)
        image.maskInfo[dib::kInfoHeaderSize + 4 + i] = 255;
    return image;
}
