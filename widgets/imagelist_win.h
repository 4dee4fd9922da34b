#pragma once
// Image lists: containers whose items hold pictures that controls draw. A control binds a list by
// registering a change link (RegisterChanges) and asking for a free notification; the list calls the
// link on every change and notifies the control when the list is destroyed.
//
// In every operation the list index selects the item; the image index selects a picture within it.

#include <windows.h>

#include <cstdint>

#include "settings/color.h"
#include "shell/bitmap_win.h"
#include "shell/canvas_win.h"
#include "widgets/container.h"
#include "widgets/drawflags.h"

class TLMDCustomImageList : public TLMDCustomContainer {
public:
    using TLMDCustomContainer::TLMDCustomContainer;
    ~TLMDCustomImageList() override { BeginDestruction(); }

    TLMDSavePixelFormat DefaultPixelFormat = spfDefault;

    // The current index (0 by default). A value not below the count raises EInvalidGraphicOperation.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    // Whether the item exists and holds a picture.
    virtual bool IsValidItem(int listIndex, int imageIndex) const = 0;
    // The number of pictures in the item: 0 beyond the count.
    virtual int ItemCount(int listIndex) const = 0;
    // The picture's width (which 0) or height (which 1); 0 beyond the count or for another selector.
    virtual int Dimensions(int listIndex, int which) const = 0;
    virtual RECT ItemRect(int listIndex, int imageIndex) const = 0;
    // The picture's palette; none beyond the count.
    virtual HPALETTE Palette(int listIndex) const = 0;
    virtual bool Masked(int listIndex) const = 0;
    // White beyond the count.
    virtual TColor TransparentColor(int listIndex, int imageIndex) const = 0;
    virtual TColor GetColorAtPoint(POINT point, int listIndex, int imageIndex) const = 0;
    virtual TCanvas& BmpCanvas(int listIndex) = 0;
    // The target takes a copy of the picture; nothing when target is nullptr.
    virtual void GetBitmapItem(int listIndex, int imageIndex, TBitmap* target) = 0;

    // The picture at natural size with its top-left corner at (x, y).
    virtual void Draw(TCanvas& canvas, int x, int y, int listIndex, int imageIndex) = 0;
    // Into the rectangle with the flags (widgets/drawflags.h) and the picture's transparent colour.
    virtual void DrawExt(TCanvas& canvas,
                         const RECT& rect,
                         uint16_t flags,
                         int listIndex,
                         int imageIndex,
                         HBITMAP mask = nullptr) = 0;
    // Into the rectangle with the flags; clipOffset moves the clip rectangle of kDrawClip by (low 16 bits,
    // high 16 bits); color is the colour argument of kDrawTransparent and kDrawBrushCopy; mask is the
    // monochrome mask of kDrawMasked (white leaves the target unchanged).
    virtual void ClipDraw(TCanvas& canvas,
                          const RECT& rect,
                          uint16_t flags,
                          int clipOffset,
                          TColor color,
                          int listIndex,
                          int imageIndex,
                          HBITMAP mask = nullptr) = 0;

private:
    int itemIndex_ = 0;
};
