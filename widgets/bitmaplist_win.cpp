#include "widgets/bitmaplist_win.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "widgets/bitmapdraw_win.h"

void TLMDCustomImageList::SetItemIndex(int index) {
    if (index == itemIndex_)
        return;
    if (index < 0 || index >= Count())
        throw EInvalidGraphicOperation(FmtLoadStr(StrId::SInvalidImageIndex, index));
    itemIndex_ = index;
}

TLMDBitmapListItem* TLMDBitmapList::GetArrayItem(int position) const {
    return dynamic_cast<TLMDBitmapListItem*>(GetItem(position));
}

TLMDBitmapListItem* TLMDBitmapList::GetArrayNameItem(const std::string& name) const {
    return dynamic_cast<TLMDBitmapListItem*>(GetItemByName(name));
}

TBitmap& TLMDBitmapList::GetBitmap() {
    return GetArrayItem(ItemIndex())->GetBitmap();
}

TLMDBitmapListItem* TLMDBitmapList::Find(int listIndex) const {
    if (listIndex < 0 || listIndex >= Count())
        return nullptr;
    return dynamic_cast<TLMDBitmapListItem*>(GetItem(listIndex));
}

bool TLMDBitmapList::IsValidItem(int listIndex, int imageIndex) const {
    const TLMDBitmapListItem* item = Find(listIndex);
    return item && !item->GetEmpty();
}

int TLMDBitmapList::ItemCount(int listIndex) const {
    return IsValidItem(listIndex, 0) ? 1 : 0;
}

int TLMDBitmapList::Dimensions(int listIndex, int which) const {
    TLMDBitmapListItem* item = Find(listIndex);
    if (!item)
        return 0;
    return which == 0 ? item->GetBitmap().Width() : which == 1 ? item->GetBitmap().Height() : 0;
}

RECT TLMDBitmapList::ItemRect(int listIndex, int imageIndex) const {
    TBitmap& bitmap = GetArrayItem(listIndex)->GetBitmap();
    return RECT{0, 0, bitmap.Width(), bitmap.Height()};
}

HPALETTE TLMDBitmapList::Palette(int listIndex) const {
    TLMDBitmapListItem* item = Find(listIndex);
    return item ? item->GetBitmap().Palette() : nullptr;
}

TColor TLMDBitmapList::TransparentColor(int listIndex, int imageIndex) const {
    TLMDBitmapListItem* item = Find(listIndex);
    if (!item || item->GetBitmap().Empty())
        return clWhite;
    // The colour of the bottom-left pixel.
    return static_cast<TColor>(GetPixel(item->Canvas().Handle(), 0, item->GetBitmap().Height() - 1));
}

TColor TLMDBitmapList::GetColorAtPoint(POINT point, int listIndex, int imageIndex) const {
    TLMDBitmapListItem* item = Find(listIndex);
    if (!item || item->GetBitmap().Empty())
        return clWhite;
    const COLORREF pixel = GetPixel(item->Canvas().Handle(), point.x, point.y);
    return pixel == CLR_INVALID ? clWhite : static_cast<TColor>(pixel);
}

TCanvas& TLMDBitmapList::BmpCanvas(int listIndex) {
    return GetArrayItem(listIndex)->Canvas();
}

void TLMDBitmapList::GetBitmapItem(int listIndex, int imageIndex, TBitmap* target) {
    if (target)
        target->Assign(GetArrayItem(listIndex)->GetBitmap());
}

void TLMDBitmapList::Draw(TCanvas& canvas, int x, int y, int listIndex, int imageIndex) {
    const int w = Dimensions(listIndex, 0), h = Dimensions(listIndex, 1);
    ClipDraw(canvas, RECT{x, y, x + w, y + h}, 0, 0, clWhite, listIndex, imageIndex);
}

void TLMDBitmapList::DrawExt(TCanvas& canvas,
                             const RECT& rect,
                             uint16_t flags,
                             int listIndex,
                             int imageIndex,
                             HBITMAP mask) {
    ClipDraw(canvas, rect, flags, 0, TransparentColor(listIndex, imageIndex), listIndex, imageIndex, mask);
}

void TLMDBitmapList::ClipDraw(TCanvas& canvas,
                              const RECT& rect,
                              uint16_t flags,
                              int clipOffset,
                              TColor color,
                              int listIndex,
                              int imageIndex,
                              HBITMAP mask) {
    TLMDBitmapListItem* item = GetArrayItem(listIndex);
    TBitmap& bitmap = item->GetBitmap();
    TDrawSource source;
    source.dc = item->Canvas().Handle();
    source.width = bitmap.Width();
    source.height = bitmap.Height();
    source.palette = bitmap.Palette();
    source.transparentColor = TransparentColor(listIndex, imageIndex);
    source.mask = mask;
    DrawPicture(canvas, rect, flags, clipOffset, color, source);
}
