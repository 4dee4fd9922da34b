#include "shell/bitmapimage_win.h"

#include <algorithm>
#include <vector>

#include "base/dcguards_win.h"
#include "base/exceptions.h"
#include "base/strings.h"
#include "base/syserror_win.h"

namespace {

// The system refused a bitmap: its error code and text when it gave one, else the format error.
[[noreturn]] void RaiseRefused(DWORD code) {
    if (code != 0)
        throw EWin32Error(FmtLoadStr(StrId::SWin32Error, static_cast<int>(code), SysErrorMessage(code).c_str()));
    throw EInvalidGraphic(LoadStr(StrId::SInvalidBitmap));
}

const BITMAPINFO* Info(const TBitmapLayout& layout) {
    return reinterpret_cast<const BITMAPINFO*>(layout.info.data());
}

// Compressed data becomes a device-dependent bitmap made in a screen-compatible memory context.
UniqueBitmap CreateFromCompressed(HDC screen, TBitmapLayout& layout, UniquePalette& palette) {
    // Nothing to decode: refuse rather than let the system look for data that is not there.
    if (layout.pixelBytes == 0)
        throw EInvalidGraphic(LoadStr(StrId::SInvalidBitmap));
    std::vector<uint8_t> pixels(static_cast<size_t>(layout.pixelBytes));
    layout.compressedData->ReadBuffer(pixels.data(), pixels.size());

    UniqueMemoryDC dc(CreateCompatibleDC(screen));
    UniqueBitmap one(CreateCompatibleBitmap(screen, 1, 1));
    if (!dc || !one)
        RaiseRefused(GetLastError());
    ScopedSelect selected(dc.get(), one.get());
    palette = CreatePaletteFromTable(layout.ColorTable(), layout.colorCount);
    ScopedPalette realised(dc.get(), palette.get());
    SetLastError(0);
    UniqueBitmap bitmap(
        CreateDIBitmap(dc.get(), &Info(layout)->bmiHeader, CBM_INIT, pixels.data(), Info(layout), DIB_RGB_COLORS));
    if (!bitmap)
        RaiseRefused(GetLastError());
    return bitmap;
}

// How much of a DIB section's pixels is made and read at a time.
constexpr size_t kPixelPiece = size_t{1} << 20;

// A new DIB section's pages are made by the system on their first touch, each with a fault of its
// own, and a read into pages not made yet costs far more per page under Wine (about three times the
// whole load). Locking the range makes all its pages in one call; where the system refuses the lock
// (a small working set), each page is touched instead.
void MakePages(uint8_t* bytes, size_t count) {
    if (VirtualLock(bytes, count)) {
        VirtualUnlock(bytes, count);
        return;
    }
    volatile uint8_t* pages = bytes;
    for (size_t at = 0; at < count; at += 4096)
        pages[at] = 0;
}

// Uncompressed data goes straight from the stream into a DIB section's pixel memory.
UniqueBitmap CreateFromUncompressed(HDC screen, TBitmapLayout& layout, TStream& source) {
    void* bits = nullptr;
    SetLastError(0);
    UniqueBitmap bitmap(CreateDIBSection(screen, Info(layout), DIB_RGB_COLORS, &bits, nullptr, 0));
    const DWORD code = GetLastError();
    if (!bitmap || !bits)
        RaiseRefused(code);

    // Read no more than the section the system made can hold, whatever the header claims.
    DIBSECTION section{};
    if (GetObjectA(bitmap.get(), sizeof section, &section) != sizeof section)
        RaiseRefused(0);
    const uint64_t rows =
        static_cast<uint64_t>(section.dsBm.bmHeight < 0 ? -section.dsBm.bmHeight : section.dsBm.bmHeight);
    const uint64_t room = static_cast<uint64_t>(section.dsBm.bmWidthBytes) * rows;
    const size_t count = static_cast<size_t>(std::min(layout.pixelBytes, room));
    // Piece by piece, each read lands in pages made just before it.
    auto* pixels = static_cast<uint8_t*>(bits);
    for (size_t at = 0; at < count; at += kPixelPiece) {
        const size_t piece = std::min(kPixelPiece, count - at);
        MakePages(pixels + at, piece);
        source.ReadBuffer(pixels + at, piece);
    }
    return bitmap;
}

}  // namespace

UniquePalette CreatePaletteFromTable(const uint8_t* table, uint32_t count) {
    if (count == 0)
        return UniquePalette();
    std::vector<uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * count);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    for (uint32_t i = 0; i < count; ++i) {
        // RGBQUAD holds blue, green, red.
        PALETTEENTRY& entry = palette->palPalEntry[i];
        entry.peRed = table[i * 4 + 2];
        entry.peGreen = table[i * 4 + 1];
        entry.peBlue = table[i * 4];
        entry.peFlags = 0;
    }
    return UniquePalette(CreatePalette(palette));
}

std::shared_ptr<TBitmapImage> CreateBitmapImage(TBitmapLayout& layout, TStream& file) {
    auto image = std::make_shared<TBitmapImage>();
    {
        WindowDC screen(nullptr);
        if (!screen)
            throw EOutOfResources(LoadStr(StrId::SOutOfResources));
        image->handle = layout.compressed ? CreateFromCompressed(screen.get(), layout, image->palette)
                                          : CreateFromUncompressed(screen.get(), layout, PixelSource(layout, file));
    }
    if (layout.header.bitCount > 8 && layout.colorCount != 0 && !image->palette)
        image->palette = CreatePaletteFromTable(layout.ColorTable(), layout.colorCount);

    GetObjectA(image->handle.get(), sizeof image->dib, &image->dib);
    image->dib.dsBmih.biXPelsPerMeter = layout.header.xPelsPerMeter;
    image->dib.dsBmih.biYPelsPerMeter = layout.header.yPelsPerMeter;
    image->dib.dsBmih.biClrUsed = layout.header.clrUsed;
    image->dib.dsBmih.biClrImportant = layout.header.clrImportant;
    image->os2 = layout.os2;
    image->compressedData = std::move(layout.compressedData);
    return image;
}
