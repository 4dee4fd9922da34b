#pragma once
// Drawing surface over a device context: a font, a brush and a pen that are created and selected when
// drawing needs them, and the handful of drawing operations the controls use. A canvas either borrows a
// device context (SetHandle) or obtains one on demand (CreateHandle in derived canvases).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "settings/color.h"
#include "settings/font.h"

enum TBrushStyle : uint8_t { bsSolid, bsClear };
enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    std::function<void()> OnChange;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    std::function<void()> OnChange;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

class TCanvas {
public:
    TCanvas();
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The device context with the canvas's font, brush and pen selected (obtained first if needed).
    HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Attaches a device context the canvas does not own; nullptr detaches, restoring its objects.
    void SetHandle(HDC dc);

    TFont& Font() { return font_; }
    TBrush& Brush() { return brush_; }
    TPen& Pen() { return pen_; }
    DWORD CopyMode = SRCCOPY;

    void FillRect(const RECT& rect);   // with the brush
    void FrameRect(const RECT& rect);  // one-pixel frame with the brush colour
    void Rectangle(const RECT& rect);  // pen outline, brush inside
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, std::string_view text);
    SIZE TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }
    // Copies source's rectangle onto this canvas's rectangle (stretching when the sizes differ).
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
    // The bounding box of the area that drawing can currently reach (GetClipBox).
    RECT ClipRect();

protected:
    // Obtains a device context and attaches it with SetHandle; the plain canvas has none to obtain.
    virtual void CreateHandle() {}
    // Called when the font, brush or pen is changed, before the change is applied.
    virtual void Changing() {}

private:
    void SelectObjects();
    void DeselectObjects();
    void RealizeFont();
    void RealizeBrush();
    void RealizePen();

    HDC dc_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
    UniqueBrush brushHandle_;
    UniqueHandle<HPEN, handle_traits::Gdi<HPEN>> penHandle_;
    // The font, brush and pen while selected into dc_; each selects the previous object back.
    ScopedSelect fontSelected_, brushSelected_, penSelected_;
};
