#pragma once
// Test helper: a 32-bit memory bitmap with a canvas on it, whose pixels are read back directly.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/handles_win.h"
#include "shell/canvas_win.h"

class Surface {
public:
    Surface(int width, int height, COLORREF fill = RGB(255, 255, 255))
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<uint32_t*>(bits);
        old_ = SelectObject(dc_.get(), bitmap_.get());
        for (int i = 0; i < width * height; ++i)
            bits_[i] = Pixel(fill);
        canvas_.SetHandle(dc_.get());
    }
    ~Surface() {
        canvas_.SetHandle(nullptr);
        SelectObject(dc_.get(), old_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    TCanvas& Canvas() { return canvas_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Set(int x, int y, COLORREF colour) { bits_[y * width_ + x] = Pixel(colour); }
    std::vector<COLORREF> Pixels() const {
        GdiFlush();
        std::vector<COLORREF> all;
        for (int i = 0; i < width_ * height_; ++i)
            all.push_back(RGB((bits_[i] >> 16) & 0xFF, (bits_[i] >> 8) & 0xFF, bits_[i] & 0xFF));
        return all;
    }

private:
    static uint32_t Pixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

    int width_, height_;
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    uint32_t* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
    TCanvas canvas_;
};
