#include "widgets/bitmapfile_win.h"

#include <windows.h>

#include <cstring>

#include "base/bytes.h"
#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "base/memorystream.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;

uint32_t TableEntries(uint32_t bitCount, uint32_t used) {
    if (used)
        return used;
    return bitCount <= 8 ? 1u << bitCount : 0;
}

std::vector<uint8_t> FileWith(const uint8_t* info,
                              uint32_t infoSize,
                              uint32_t pixelsAt,
                              const uint8_t* pixels,
                              uint32_t pixelBytes) {
    std::vector<uint8_t> file(kFileHeaderSize + infoSize + pixelBytes);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(&file[2], static_cast<uint32_t>(file.size()));
    PutU32(&file[10], kFileHeaderSize + pixelsAt);
    std::memcpy(&file[kFileHeaderSize], info, infoSize);
    if (pixelBytes)
        std::memcpy(&file[kFileHeaderSize + infoSize], pixels, pixelBytes);
    return file;
}

// A compressed file: its header and data as read.
std::vector<uint8_t> CompressedFile(const TMemoryStream& data) {
    const std::vector<uint8_t>& bytes = data.Bytes();
    uint32_t headerEnd = static_cast<uint32_t>(bytes.size());
    if (bytes.size() >= 40)
        headerEnd = GetU32(&bytes[0]) + 4 * TableEntries(GetU16(&bytes[14]), GetU32(&bytes[32]));
    return FileWith(bytes.data(), static_cast<uint32_t>(bytes.size()), headerEnd, nullptr, 0);
}

// The DIB section as it is: header, masks, colour table and pixel memory.
std::vector<uint8_t> SectionFile(const TBitmap& bitmap, const DIBSECTION& dib) {
    BITMAPINFOHEADER header = dib.dsBmih;
    header.biSize = sizeof header;
    const uint32_t pixelBytes = static_cast<uint32_t>(dib.dsBm.bmWidthBytes) * static_cast<uint32_t>(bitmap.Height());
    header.biSizeImage = pixelBytes;
    std::vector<uint8_t> info(sizeof header);
    if (header.biCompression == BI_BITFIELDS)
        info.resize(info.size() + 12);
    const uint32_t entries = TableEntries(header.biBitCount, header.biClrUsed);
    const size_t tableAt = info.size();
    info.resize(info.size() + 4 * entries);
    if (entries) {
        UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.get(), bitmap.Handle());
        header.biClrUsed = GetDIBColorTable(dc.get(), 0, entries, reinterpret_cast<RGBQUAD*>(&info[tableAt]));
        info.resize(tableAt + 4 * header.biClrUsed);
    }
    std::memcpy(info.data(), &header, sizeof header);
    if (header.biCompression == BI_BITFIELDS)
        std::memcpy(&info[sizeof header], dib.dsBitfields, 12);
    GdiFlush();
    return FileWith(info.data(), static_cast<uint32_t>(info.size()), static_cast<uint32_t>(info.size()),
                    static_cast<const uint8_t*>(dib.dsBm.bmBits), pixelBytes);
}

// The bitmap converted by the system to the given bits per pixel.
std::vector<uint8_t> ConvertedFile(const TBitmap& bitmap, WORD bitCount) {
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = bitmap.Width();
    header->biHeight = bitmap.Height();
    header->biPlanes = 1;
    header->biBitCount = bitCount;
    header->biCompression = BI_RGB;
    const uint32_t row = ((static_cast<uint32_t>(bitmap.Width()) * bitCount + 31) & ~31u) / 8;
    std::vector<uint8_t> pixels(static_cast<size_t>(row) * static_cast<uint32_t>(bitmap.Height()));
    WindowDC screen(nullptr);
    if (!GetDIBits(screen.get(), bitmap.Handle(), 0, static_cast<UINT>(bitmap.Height()), pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS))
        return {};
    header->biSizeImage = static_cast<DWORD>(pixels.size());
    const uint32_t entries = TableEntries(bitCount, 0);
    header->biClrUsed = entries;
    info.resize(sizeof(BITMAPINFOHEADER) + 4 * entries);
    return FileWith(info.data(), static_cast<uint32_t>(info.size()), static_cast<uint32_t>(info.size()), pixels.data(),
                    static_cast<uint32_t>(pixels.size()));
}

}  // namespace

std::vector<uint8_t> BitmapFileBytes(const TBitmap& bitmap, TLMDSavePixelFormat format) {
    if (bitmap.Empty())
        return {};
    static constexpr WORD kBitCounts[] = {24, 1, 4, 8};
    if (format == spfDefault) {
        if (const TMemoryStream* compressed = bitmap.CompressedData())
            return CompressedFile(*compressed);
        const DIBSECTION* dib = bitmap.Description();
        if (dib && dib->dsBm.bmBits)
            return SectionFile(bitmap, *dib);
    }
    return ConvertedFile(bitmap, kBitCounts[format & 3]);
}

void CopyBitmap(const TBitmap& source, TBitmap& target) {
    if (&source == &target)
        return;
    TMemoryStream stream(BitmapFileBytes(source, spfDefault));
    target.LoadFromStream(stream);
}
