#include "widgets/bitmapdraw_win.h"

#include <functional>
#include <optional>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "widgets/drawflags.h"

namespace {

// Copies the whole source onto the box, stretching (colour on colour) when the sizes differ.
void Blit(HDC target, const TDrawBox& box, HDC source, int width, int height, DWORD rop) {
    const int x = static_cast<int>(box.x), y = static_cast<int>(box.y);
    const int w = static_cast<int>(box.width), h = static_cast<int>(box.height);
    if (w == width && h == height) {
        BitBlt(target, x, y, w, h, source, 0, 0, rop);
        return;
    }
    const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, x, y, w, h, source, 0, 0, width, height, rop);
    SetStretchBltMode(target, oldMode);
}

// A monochrome copy of the source: white where it has the colour, black elsewhere.
UniqueBitmap MaskOfColor(HDC source, int width, int height, COLORREF color) {
    UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!mask || !dc)
        return {};
    ScopedSelect select(dc.get(), mask.get());
    const COLORREF oldBack = SetBkColor(source, color);
    BitBlt(dc.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBack);
    return mask;
}

// Copies the source through a monochrome mask: white mask pixels leave the target as it was.
void MaskedBlit(HDC target, const TDrawBox& box, HDC source, int width, int height, HBITMAP mask) {
    UniqueMemoryDC maskDC(CreateCompatibleDC(nullptr));
    if (!maskDC)
        return;
    ScopedSelect select(maskDC.get(), mask);
    const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    Blit(target, box, source, width, height, SRCINVERT);
    Blit(target, box, maskDC.get(), width, height, SRCAND);
    Blit(target, box, source, width, height, SRCINVERT);
    SetBkColor(target, oldBack);
    SetTextColor(target, oldText);
}

}  // namespace

void DrawPicture(TCanvas& canvas,
                 const RECT& rect,
                 uint16_t flags,
                 int32_t clipOffset,
                 TColor color,
                 const TDrawSource& source) {
    HDC target = canvas.Handle();
    if (!target || !source.dc)
        return;
    // A surface whose pen was moved to x = -1 is marked as not drawable.
    POINT pen{};
    if (GetCurrentPositionEx(source.dc, &pen) && pen.x == -1)
        return;
    ScopedPalette palette(target, (flags & kDrawPalette) ? source.palette : nullptr);
    std::optional<ScopedClipRect> clip;
    if (flags & kDrawClip) {
        RECT clipRect = rect;
        if (clipOffset != 0)
            OffsetRect(&clipRect, static_cast<int16_t>(clipOffset & 0xFFFF),
                       static_cast<int16_t>(static_cast<uint32_t>(clipOffset) >> 16));
        clip.emplace(target, clipRect);
    }
    const int w = source.width, h = source.height;
    if (w <= 0 || h <= 0)
        return;

    // How one copy is made, for every placement below.
    UniqueBitmap colorMask;
    std::function<void(const TDrawBox&)> copy = [&](const TDrawBox& box) {
        Blit(target, box, source.dc, w, h, canvas.CopyMode);
    };
    if (flags & (kDrawTransparent | kDrawBrushCopy)) {
        const TColor key = (flags & kDrawTransparent) ? color : source.transparentColor;
        colorMask = MaskOfColor(source.dc, w, h, static_cast<COLORREF>(ResolveColor(key)));
        if (!colorMask)
            return;
        const bool fill = !(flags & kDrawTransparent);
        copy = [&, fill](const TDrawBox& box) {
            if (fill) {
                // Brush copy: the transparent colour's pixels show the colour argument.
                canvas.Brush().SetColor(color);
                const RECT area{static_cast<LONG>(box.x), static_cast<LONG>(box.y),
                                static_cast<LONG>(box.x + box.width), static_cast<LONG>(box.y + box.height)};
                canvas.FillRect(area);
            }
            MaskedBlit(target, box, source.dc, w, h, colorMask.get());
        };
    } else if ((flags & kDrawMasked) && source.mask) {
        copy = [&](const TDrawBox& box) { MaskedBlit(target, box, source.dc, w, h, source.mask); };
    }

    const TDrawBox area{rect.left, rect.top, static_cast<int64_t>(rect.right) - rect.left,
                        static_cast<int64_t>(rect.bottom) - rect.top};
    if (!(flags & kDrawTile)) {
        copy(PlacePicture(flags, area, w, h));
        return;
    }
    RECT visible{};
    if (GetClipBox(target, &visible) == ERROR)
        visible = rect;
    const TTileSpan rows = TileSpan(area.y, area.height, h, visible.top, visible.bottom);
    const TTileSpan columns = TileSpan(area.x, area.width, w, visible.left, visible.right);
    for (int64_t r = rows.first; r <= rows.last; ++r)
        for (int64_t c = columns.first; c <= columns.last; ++c)
            copy(TDrawBox{area.x + c * w, area.y + r * h, w, h});
}
