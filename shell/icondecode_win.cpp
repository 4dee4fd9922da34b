#include "shell/icondecode_win.h"

#include <vector>

#include "base/dcguards_win.h"
#include "base/exceptions.h"
#include "base/icoformat.h"
#include "base/strings.h"
#include "base/syserror_win.h"

namespace {

// Makes a device-dependent bitmap from header and pixels, then copies it scaled into target.
void StretchInto(HDC screen,
                 const std::vector<uint8_t>& info,
                 const uint8_t* pixels,
                 HBITMAP target,
                 int width,
                 int height) {
    const auto* header = reinterpret_cast<const BITMAPINFO*>(info.data());
    SetLastError(0);
    UniqueBitmap source(CreateDIBitmap(screen, &header->bmiHeader, CBM_INIT, pixels, header, DIB_RGB_COLORS));
    if (!source)
        RaiseOutOfResources(GetLastError());
    UniqueMemoryDC sourceDC(CreateCompatibleDC(screen));
    UniqueMemoryDC targetDC(CreateCompatibleDC(screen));
    if (!sourceDC || !targetDC)
        RaiseOutOfResources(GetLastError());
    ScopedSelect selectedSource(sourceDC.get(), source.get());
    ScopedSelect selectedTarget(targetDC.get(), target);
    const LONG sourceHeight = header->bmiHeader.biHeight < 0 ? -header->bmiHeader.biHeight : header->bmiHeader.biHeight;
    SetStretchBltMode(targetDC.get(), COLORONCOLOR);
    StretchBlt(targetDC.get(), 0, 0, width, height, sourceDC.get(), 0, 0, header->bmiHeader.biWidth, sourceHeight,
               SRCCOPY);
}

// The bitmap's bits as GetBitmapBits gives them, with its description.
std::vector<uint8_t> BitsOf(HBITMAP bitmap, BITMAP& description) {
    description = BITMAP{};
    GetObjectA(bitmap, sizeof description, &description);
    std::vector<uint8_t> bits(static_cast<size_t>(description.bmWidthBytes) *
                              static_cast<size_t>(description.bmHeight));
    if (!bits.empty())
        GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    return bits;
}

}  // namespace

TDecodedIcon DecodeIcon(TMemoryStream& file, int requestedWidth, int requestedHeight) {
    const std::vector<TIconEntry> entries = ReadIconDirectory(file);
    const bool systemSize = requestedWidth == 0 && requestedHeight == 0;
    const int targetWidth = systemSize ? GetSystemMetrics(SM_CXICON) : requestedWidth;
    const int targetHeight = systemSize ? GetSystemMetrics(SM_CYICON) : requestedHeight;

    WindowDC screen(nullptr);
    if (!screen)
        throw EOutOfResources(LoadStr(StrId::SOutOfResources));
    const int32_t screenColors =
        ScreenColors(GetDeviceCaps(screen.get(), PLANES), GetDeviceCaps(screen.get(), BITSPIXEL));
    const TIconEntry& entry = entries[ChooseIconImage(entries, targetWidth, targetHeight, screenColors)];
    const TIconImage image = ReadIconImage(file.Bytes(), entry);

    TDecodedIcon result;
    result.width = image.width;
    result.height = image.height;
    UniqueBitmap color(CreateCompatibleBitmap(screen.get(), image.width, image.height));
    if (!color)
        RaiseOutOfResources(GetLastError());
    StretchInto(screen.get(), image.colorInfo, image.data.data() + image.colorPixels, color.get(), image.width,
                image.height);
    UniqueBitmap mask(CreateBitmap(image.width, image.height, 1, 1, nullptr));
    if (!mask)
        RaiseOutOfResources(GetLastError());
    StretchInto(screen.get(), image.maskInfo, image.data.data() + image.maskPixels, mask.get(), image.width,
                image.height);

    BITMAP colorDescription, maskDescription;
    const std::vector<uint8_t> colorBits = BitsOf(color.get(), colorDescription);
    const std::vector<uint8_t> maskBits = BitsOf(mask.get(), maskDescription);
    SetLastError(0);
    result.icon.reset(CreateIcon(GetModuleHandleA(nullptr), image.width, image.height, colorDescription.bmPlanes,
                                 colorDescription.bmBitsPixel, maskBits.data(), colorBits.data()));
    if (!result.icon)
        RaiseOutOfResources(GetLastError());
    return result;
}
