#pragma once
// In bitmaplist_win.cpp, bitmaplistitem_win.cpp, bitmapsource_win.cpp.
// The bitmap list: an image list whose items each hold one bitmap.

#include <windows.h>

#include <memory>
#include <string>

#include "shell/bitmap_win.h"
#include "widgets/bitmapcanvas_win.h"
#include "widgets/imagelist_win.h"

class TLMDBitmapListItem : public TLMDListItem {
public:
    explicit TLMDBitmapListItem(TComponent* owner);
    ~TLMDBitmapListItem() override;

    TLMDSavePixelFormat PixelFormat = spfDefault;

    // The owned bitmap. When it is empty and the owning list names a source other than its own
    // components (a list file, the program's resources, a folder of bitmap files), it is filled from
    // there first.
    TBitmap& GetBitmap();
    TBitmap& Bitmap() { return GetBitmap(); }
    // The bitmap takes a copy of the given one.
    void SetBitmap(const TBitmap& bitmap);
    // The bitmap's drawing surface.
    TCanvas& Canvas();

    bool GetEmpty() const override { return bitmap_->Empty(); }
    void FreeData() override;
    void Assign(const TLMDListItem& source) override;
    void ReadRecord(TStream& stream) override;
    void WriteRecord(TMemoryStream& stream) override;

private:
    void FillFromSource();
    void NewBitmap();

    std::unique_ptr<TBitmap> bitmap_;
    std::unique_ptr<TBitmapCanvas> canvas_;
};

class TLMDBitmapList : public TLMDCustomImageList {
public:
    using TLMDCustomImageList::TLMDCustomImageList;

    const char* ClassName() const override { return "TLMDBitmapList"; }
    TLMDListItemClassType ListType() const override { return icBitmap; }

    // The item at the position (EListError outside the items).
    TLMDBitmapListItem* GetArrayItem(int position) const;
    // The item found by GetItemByName, or nullptr.
    TLMDBitmapListItem* GetArrayNameItem(const std::string& name) const;
    // The bitmap of the item at the current index.
    TBitmap& GetBitmap();

    bool IsValidItem(int listIndex, int imageIndex) const override;
    int ItemCount(int listIndex) const override;
    int Dimensions(int listIndex, int which) const override;
    RECT ItemRect(int listIndex, int imageIndex) const override;
    HPALETTE Palette(int listIndex) const override;
    bool Masked(int listIndex) const override { return false; }
    TColor TransparentColor(int listIndex, int imageIndex) const override;
    TColor GetColorAtPoint(POINT point, int listIndex, int imageIndex) const override;
    TCanvas& BmpCanvas(int listIndex) override;
    void GetBitmapItem(int listIndex, int imageIndex, TBitmap* target) override;

    void Draw(TCanvas& canvas, int x, int y, int listIndex, int imageIndex) override;
    void DrawExt(TCanvas& canvas,
                 const RECT& rect,
                 uint16_t flags,
                 int listIndex,
                 int imageIndex,
                 HBITMAP mask = nullptr) override;
    void ClipDraw(TCanvas& canvas,
                  const RECT& rect,
                  uint16_t flags,
                  int clipOffset,
                  TColor color,
                  int listIndex,
                  int imageIndex,
                  HBITMAP mask = nullptr) override;

protected:
    TLMDListItem* CreateItem() override { return new TLMDBitmapListItem(this); }

private:
    // The listed item at the position when it is a bitmap item and below the count, else nullptr.
    TLMDBitmapListItem* Find(int listIndex) const;
};
