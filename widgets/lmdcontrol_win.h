#pragma once
// TLMDCustomControl: the windowed control the library's panels derive from. It binds an image list
// (which item it shows, and a change link through which the list reports its changes), keeps the
// transparent flag and the mouse and focus bookkeeping, and declares the background operations its
// windowless children call: whether a background picture is available (BackBitmapCheck) and copying
// the part of it that lies under a child (BackDrawArea).

#include <windows.h>

#include <cstdint>

#include "shell/customcontrol_win.h"
#include "widgets/backbuffer_win.h"
#include "widgets/changelink.h"

class TLMDCustomImageList;

class TLMDCustomControl : public TCustomControl {
public:
    explicit TLMDCustomControl(TComponent* owner);
    ~TLMDCustomControl() override;
    const char* ClassName() const override { return "TLMDCustomControl"; }

    // The list is not owned; its free notification unbinds it.
    TLMDCustomImageList* ImageList() const { return imageList_; }
    void SetImageList(TLMDCustomImageList* list);
    // Negative values are ignored.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { SetIndex(0, value); }
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int value) { SetIndex(1, value); }
    // True when no list is bound or the bound list has no usable item at (ListIndex, ImageIndex).
    bool IMLEmpty() const;

    // A transparent control is not opaque and shows its parent's background; changing it recreates
    // the window.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    bool MouseAbove() const { return mouseAbove_; }
    bool Entered() const { return entered_; }

    // Whether painting can copy the background instead of filling with the colour.
    virtual bool CheckOptimized();
    // Whether a background picture is available to copy from.
    virtual bool BackBitmapCheck();
    // Copies the background under rect, shifted by offset (a child's position), onto canvas at rect.
    // A rect equal to this control's client rectangle stands for the canvas's clip box. False when
    // nothing was drawn.
    virtual bool BackDrawArea(TCanvas& canvas, const RECT& rect, POINT offset, uint16_t flags);
    // The background picture, if any.
    virtual TLMDBackBuffer* BackBitmap() { return nullptr; }
    // A point of this control's client area in the coordinates of BackBitmap's picture.
    virtual POINT BackMapPoint(POINT point) { return point; }
    virtual HPALETTE BackBitmapPalette() { return nullptr; }
    // The palette of the shown list item, none without one.
    HPALETTE GetPalette() const;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnAfterEnter;
    TNotifyEvent OnAfterExit;

    void WndProc(TMessage& message) override;

protected:
    virtual void DoFlatChanged() {}
    // Paints the background: copied when CheckOptimized allows, otherwise filled with the colour.
    virtual void FillControl();
    // Something that changes the look changed (sender: what changed, or nullptr).
    virtual void GetChange(const void* sender);
    virtual bool GetEmpty() { return IMLEmpty(); }
    // The bound list changed (sender: the list, or nullptr for a new binding or index).
    virtual void GetIMLChange(void* sender) { GetChange(sender); }
    virtual void MouseEnter();
    virtual void MouseExit();

    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void WMEraseBkgnd(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

    // Copies from the picture for BackDrawArea. The source position is mapped through BackMapPoint;
    // palette, when given, is selected into the canvas for the copy.
    bool CopyBackground(TCanvas& canvas, const RECT& rect, POINT offset, TLMDBackBuffer& picture, HPALETTE palette);

private:
    void SetIndex(int which, int value);

    TLMDCustomImageList* imageList_ = nullptr;
    int imageIndex_ = 0;
    int listIndex_ = 0;
    bool transparent_ = false;
    bool entered_ = false;
    bool mouseAbove_ = false;
    TLMDChangeLink link_;
};
