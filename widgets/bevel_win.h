#pragma once
// TLMDBevel: how a panel's border is drawn. It keeps the settings, tells how much room the border
// takes (Extent, ClientRect) and draws it (PaintBevel). Every setter that stores a new value signals
// a change, on which the owning panel re-aligns its children and repaints.

#include <windows.h>

#include "shell/canvas_win.h"
#include "widgets/beveltypes.h"
#include "widgets/lmdobject.h"

class TLMDBevel : public TLMDObject {
public:
    TLMDBevel() = default;

    TLMDBevelStyle StyleInner() const { return s_.StyleInner; }
    TLMDBevelStyle StyleOuter() const { return s_.StyleOuter; }
    int WidthInner() const { return s_.WidthInner; }
    int WidthOuter() const { return s_.WidthOuter; }
    TColor BorderColor() const { return s_.BorderColor; }
    TLMDFrameSides BorderSides() const { return s_.BorderSides; }
    int BorderWidth() const { return s_.BorderWidth; }
    int BorderInnerWidth() const { return s_.BorderInnerWidth; }
    TLMDEdgeStyle EdgeStyle() const { return s_.EdgeStyle; }
    TColor LightColor() const { return s_.LightColor; }
    TLMDBevelMode Mode() const { return s_.Mode; }
    TColor ShadowColor() const { return s_.ShadowColor; }
    TLMDBorderStyle StandardStyle() const { return s_.StandardStyle; }
    const TLMDBevelSettings& Settings() const { return s_; }

    // The shadow frame needs both styles: choosing bvShadow on one side sets it on the other, and
    // leaving it on one side clears the other.
    void SetStyleInner(TLMDBevelStyle style);
    void SetStyleOuter(TLMDBevelStyle style);
    void SetWidthInner(int width);  // 0 to 50
    void SetWidthOuter(int width);  // 0 to 50
    void SetBorderSides(TLMDFrameSides sides);
    void SetBorderWidth(int width);       // 0 to 255
    void SetBorderInnerWidth(int width);  // 0 to 255
    void SetEdgeStyle(TLMDEdgeStyle style);
    // Switching to or from bmWindows in a panel that draws that border itself asks for a new window.
    void SetMode(TLMDBevelMode mode);
    // Only bmStandard draws the standard style, so only there does a new one signal a change.
    void SetStandardStyle(TLMDBorderStyle style);
    // Colour by index: 0 BorderColor, 1 LightColor, 2 ShadowColor.
    void SetColor(int index, TColor color);
    void SetBorderColor(TColor color) { SetColor(0, color); }
    void SetLightColor(TColor color) { SetColor(1, color); }
    void SetShadowColor(TColor color) { SetColor(2, color); }

    // The room the border takes on each side (the left and top sides for the shadow frame).
    int Extent() const { return LMDBevelExtent(s_, ownerBorder_); }
    // The room on the right and bottom sides.
    int RightBottomExtent() const { return LMDBevelRightBottomExtent(s_, ownerBorder_); }
    // What is left of the rectangle inside the border.
    RECT ClientRect(const RECT& rect) const;
    // Draws the border inside the rectangle and answers what is left inside it. Transparent leaves
    // the plain border widths and the shadow frame's corners undrawn, so the background shows there.
    RECT PaintBevel(TCanvas& canvas, const RECT& rect, bool transparent);

    // Set by a panel that shows bmWindows as its window's own border.
    bool OwnerBorder() const { return ownerBorder_; }
    void SetOwnerBorder(bool value) { ownerBorder_ = value; }
    // Whether the owner must recreate its window for the mode; clears the request.
    bool GetRecreateWnd();

    // Copies every setting of another bevel and signals one change; itself, nothing. Another kind of
    // source raises EConvertError.
    void Assign(const TLMDObject& source) override;
    const char* ClassName() const override { return "TLMDBevel"; }

private:

    TLMDBevelSettings s_;
    bool ownerBorder_ = false;
    bool recreateRequest_ = false;
};
