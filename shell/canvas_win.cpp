#include "shell/canvas_win.h"

#include "base/dcguards_win.h"
#include "settings/font_win.h"

void TBrush::SetColor(TColor color) {
    if (color_ == color)
        return;
    color_ = color;
    if (OnChange)
        OnChange();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style_ == style)
        return;
    style_ = style;
    if (OnChange)
        OnChange();
}

void TPen::SetColor(TColor color) {
    if (color_ == color)
        return;
    color_ = color;
    if (OnChange)
        OnChange();
}

void TPen::SetWidth(int width) {
    if (width_ == width)
        return;
    width_ = width;
    if (OnChange)
        OnChange();
}

void TPen::SetStyle(TPenStyle style) {
    if (style_ == style)
        return;
    style_ = style;
    if (OnChange)
        OnChange();
}

TCanvas::TCanvas() {
    font_.OnChange = [this](TFont&) {
        Changing();
        fontSelected_.reset();
    };
    brush_.OnChange = [this] {
        Changing();
        brushSelected_.reset();
        brushHandle_.reset();
    };
    pen_.OnChange = [this] {
        Changing();
        penSelected_.reset();
        penHandle_.reset();
    };
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
}

HDC TCanvas::Handle() {
    if (!dc_)
        CreateHandle();
    if (dc_)
        SelectObjects();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc_ == dc)
        return;
    if (dc_)
        DeselectObjects();
    dc_ = dc;
}

void TCanvas::SelectObjects() {
    if (!fontSelected_)
        RealizeFont();
    if (!brushSelected_)
        RealizeBrush();
    if (!penSelected_)
        RealizePen();
}

void TCanvas::DeselectObjects() {
    fontSelected_.reset();
    brushSelected_.reset();
    penSelected_.reset();
}

void TCanvas::RealizeFont() {
    // The handle belongs to the font's shared data record; the canvas only selects it.
    HFONT font = FontHandle(font_);
    fontSelected_ = ScopedSelect(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SetTextColor(dc_, static_cast<COLORREF>(ResolveColor(font_.Color())));
}

void TCanvas::RealizeBrush() {
    HGDIOBJ brush;
    if (brush_.Style() == bsClear) {
        brush = GetStockObject(NULL_BRUSH);
        SetBkMode(dc_, TRANSPARENT);
    } else {
        if (!brushHandle_)
            brushHandle_.reset(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(brush_.Color()))));
        brush = brushHandle_.get();
        SetBkColor(dc_, static_cast<COLORREF>(ResolveColor(brush_.Color())));
        SetBkMode(dc_, OPAQUE);
    }
    brushSelected_ = ScopedSelect(dc_, brush);
}

void TCanvas::RealizePen() {
    if (!penHandle_) {
        static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
        penHandle_.reset(
            CreatePen(styles[pen_.Style()], pen_.Width(), static_cast<COLORREF>(ResolveColor(pen_.Color()))));
    }
    penSelected_ = ScopedSelect(dc_, penHandle_.get());
}

void TCanvas::FillRect(const RECT& rect) {
    HDC dc = Handle();
    if (!dc)
        return;
    if (brush_.Style() == bsClear)
        return;
    ::FillRect(dc, &rect, brushHandle_.get());
}

void TCanvas::FrameRect(const RECT& rect) {
    HDC dc = Handle();
    if (!dc || brush_.Style() == bsClear)
        return;
    ::FrameRect(dc, &rect, brushHandle_.get());
}

void TCanvas::Rectangle(const RECT& rect) {
    if (HDC dc = Handle())
        ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = Handle())
        MoveToEx(dc, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    if (HDC dc = Handle())
        ::LineTo(dc, x, y);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    HDC dc = Handle();
    if (!dc)
        return;
    ExtTextOutA(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(std::string_view text) {
    SIZE size{0, 0};
    if (HDC dc = Handle())
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
    HDC to = Handle();
    HDC from = source.Handle();
    if (!to || !from)
        return;
    StretchBlt(to, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, from, sourceRect.left,
               sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, CopyMode);
}

RECT TCanvas::ClipRect() {
    RECT box{0, 0, 0, 0};
    if (HDC dc = Handle())
        GetClipBox(dc, &box);
    return box;
}
