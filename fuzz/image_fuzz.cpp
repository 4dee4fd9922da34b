// Fuzzes the reading of bitmap and icon files: header checks, colour tables, the pixel range to
// read, the icon image choice and the colour/mask layout. Besides the sanitizers, it checks that
// every range handed on for reading lies inside the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/bmpformat.h"
#include "base/dibformat.h"
#include "base/exceptions.h"
#include "base/icoformat.h"
#include "base/memorystream.h"
#include "fuzz/check.h"

namespace {

void FuzzBitmap(const std::vector<uint8_t>& bytes) {
    if (bytes.empty())
        return;  // the bitmap class empties itself without reading
    TMemoryStream stream(bytes);
    try {
        TBitmapLayout layout = ReadBitmapLayout(stream);
        TStream& source = PixelSource(layout, stream);
        const int64_t sourceSize = source.Size();
        Check(layout.pixelPosition >= 0 && layout.pixelPosition <= sourceSize);
        Check(layout.pixelBytes <= static_cast<uint64_t>(sourceSize - layout.pixelPosition));
        Check(source.Position() == layout.pixelPosition);
        if (!layout.compressed)
            Check(layout.pixelBytes <= layout.capacity);
        if (layout.compressed)
            Check(layout.header.sizeImage == layout.pixelBytes);
        // Header, masks and colour table as the system reads them lie inside info.
        Check(layout.colorCount <= kMaxBitmapColors);
        Check(layout.header.size <= layout.colorTableOffset);
        Check(layout.colorTableOffset + uint64_t{layout.colorCount} * 4 == layout.info.size());
        Check(layout.header.clrUsed == layout.colorCount);
    } catch (const Exception&) {
    }
}

// Images the reader would zero-fill beyond 1 MB are left out: filling them took milliseconds, most of
// the fuzzer's time, and they take the same paths as smaller ones. Those beyond the reader's limit
// are still read, as it refuses them before taking any room. The sizes are worked out from the
// image's header as the reader works them out.
bool TooSlowToFill(const std::vector<uint8_t>& bytes, const TIconEntry& entry) {
    uint8_t info[dib::kInfoHeaderSize] = {};
    std::copy_n(bytes.data() + entry.dataOffset, std::min<size_t>(entry.dataSize, sizeof info), info);
    const TDibHeader header = DecodeDibHeader(info);
    const uint64_t colour = DibImageBytes(header.width, header.height / 2, header.bitCount);
    const uint64_t mask = DibImageBytes(header.width, header.height / 2, 1);
    return colour <= kMaxIconImageBytes && mask <= kMaxIconImageBytes && colour + mask > (uint64_t{1} << 20);
}

void FuzzIcon(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    try {
        // Type 0 stands for the system's default icon: nothing of the file is decoded.
        if (ReadIconHeader(stream).type == 0)
            return;
        const std::vector<TIconEntry> entries = ReadIconDirectory(stream);
        Check(!entries.empty());
        for (const TIconEntry& entry : entries)
            Check(uint64_t{entry.dataOffset} + entry.dataSize <= bytes.size());
        size_t chosen = 0;
        for (int32_t screen : {2, 16, 256, kManyColors}) {
            for (int target : {16, 32, 48}) {
                chosen = ChooseIconImage(entries, target, target, screen);
                Check(chosen < entries.size());
            }
        }
        if (TooSlowToFill(bytes, entries[chosen]))
            return;
        const TIconImage image = ReadIconImage(bytes, entries[chosen]);
        Check(image.colorInfo.size() >= 40 + 12 + 256 * 4);
        Check(image.maskInfo.size() >= 48);
        Check(image.colorPixels + image.colorBytes <= image.data.size());
        Check(image.maskPixels + image.maskBytes <= image.data.size());
        Check(image.maskPixels == image.colorPixels + image.colorBytes);
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    FuzzBitmap(bytes);
    FuzzIcon(bytes);
    return 0;
}
