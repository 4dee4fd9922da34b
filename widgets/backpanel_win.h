#pragma once
// The background panel and the classes it is built from:
//   TLMDCustomPanel        a library control with the panel's style; a transparent panel borrows its
//                          parent's background
//   TLMDCustomBevelPanel   owns a bevel, paints it and keeps aligned children inside it
//   TLMDCustomParentPanel  renders the bound list item into a background buffer as large as the panel,
//                          paints from it and lends it to its children
//   TLMDBackPanel          the panel the menu window uses

#include <memory>

#include "widgets/bevel_win.h"
#include "widgets/lmdcontrol_win.h"

class TLMDCustomPanel : public TLMDCustomControl {
public:
    explicit TLMDCustomPanel(TComponent* owner) : TLMDCustomControl(owner) {}
    const char* ClassName() const override { return "TLMDCustomPanel"; }

    // Kept for the form's settings; the panel itself does not look at it.
    bool Locked = false;

    // Without a picture of its own a panel can borrow its parent's: when the parent is a library
    // control with a window that has one.
    bool BackBitmapCheck() override;
    bool BackDrawArea(TCanvas& canvas, const RECT& rect, POINT offset, uint16_t flags) override;
    TLMDBackBuffer* BackBitmap() override;
    // Into the parent's picture: the panel's place in the parent, plus its border.
    POINT BackMapPoint(POINT point) override;
    HPALETTE BackBitmapPalette() override;

private:
    TLMDCustomControl* BackgroundParent() const;
};

class TLMDCustomBevelPanel : public TLMDCustomPanel {
public:
    explicit TLMDCustomBevelPanel(TComponent* owner);
    ~TLMDCustomBevelPanel() override;
    const char* ClassName() const override { return "TLMDCustomBevelPanel"; }

    TLMDBevel& Bevel() { return bevel_; }
    // Takes over every setting of the given bevel.
    void SetBevel(const TLMDBevel& bevel) { bevel_.Assign(bevel); }

protected:
    // The background, then the bevel over it.
    void Paint() override;
    bool GetEmpty() override;
    // A change of the bevel re-aligns the children (and may need a new window) before repainting.
    void GetChange(const void* sender) override;
    // Aligned children stay inside the bevel.
    void AdjustClientRect(RECT& rect) override { rect = bevel_.ClientRect(rect); }
    // bmWindows shows the window's own sunken border.
    void CreateParams(TCreateParams& params) override;

private:
    TLMDBevel bevel_;
};

class TLMDCustomParentPanel : public TLMDCustomBevelPanel {
public:
    explicit TLMDCustomParentPanel(TComponent* owner) : TLMDCustomBevelPanel(owner) {}
    ~TLMDCustomParentPanel() override;
    const char* ClassName() const override { return "TLMDCustomParentPanel"; }

    // Skips selecting the background's palette when copying.
    bool QuickDraw = false;

    // Builds the background buffer from the bound list item, tiled from the top-left corner at natural
    // size. Without rebuild, a buffer strictly larger than the client area in both directions is kept.
    // Without a usable item, or when transparent, there is no buffer. Raises EOutOfResources when the
    // system cannot make a buffer of the panel's size; the panel then has none.
    virtual void CreateBack(bool rebuild);
    // The buffer, or nullptr.
    const TLMDBackBuffer* BackBuffer() const { return buffer_.get(); }

    bool CheckOptimized() override;
    bool BackBitmapCheck() override;
    bool BackDrawArea(TCanvas& canvas, const RECT& rect, POINT offset, uint16_t flags) override;
    TLMDBackBuffer* BackBitmap() override;
    POINT BackMapPoint(POINT point) override;

    void Loaded() override;

protected:
    void GetIMLChange(void* sender) override;
    void WMSize(TMessage& message) override;
    void WMMove(TMessage& message) override;

private:
    std::unique_ptr<TLMDBackBuffer> buffer_;
};

class TLMDBackPanel : public TLMDCustomParentPanel {
public:
    explicit TLMDBackPanel(TComponent* owner) : TLMDCustomParentPanel(owner) {}
    const char* ClassName() const override { return "TLMDBackPanel"; }
};
