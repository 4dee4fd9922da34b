#pragma once
// Helpers for the Windows image tests: test data paths, reading a bitmap back as RGB, and the binary
// PPM references. Temporary files: tests/common/tempfile.h.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace imagetest {

inline std::string DataPath(const std::string& relative) {
    std::string path = std::string(MENU_TEST_DATA) + "\\" + relative;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The bitmap's pixels as 0x00RRGGBB, top row first (GetDIBits into a 32-bit top-down DIB).
inline std::vector<uint32_t> ReadBackRgb(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != height)
        pixels.clear();
    for (uint32_t& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// Reads a binary PPM (P6, maxval 255) as written by ImageMagick.
inline Picture ReadPpm(const std::string& path) {
    Picture picture;
    const std::vector<uint8_t> bytes = ReadBytes(path);
    int maxval = 0;
    int consumed = 0;
    const std::string head(bytes.begin(),
                           bytes.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(bytes.size(), 64)));
    if (std::sscanf(head.c_str(), "P6 %d %d %d%n", &picture.width, &picture.height, &maxval, &consumed) != 3 ||
        maxval != 255)
        return {};
    const size_t start = static_cast<size_t>(consumed) + 1;  // one whitespace byte after maxval
    const size_t count = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
    if (bytes.size() < start + count * 3)
        return {};
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = &bytes[start + i * 3];
        picture.pixels.push_back(static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2]);
    }
    return picture;
}

// Largest difference of one channel between two pixels.
inline int ChannelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        worst = std::max(worst, d < 0 ? -d : d);
    }
    return worst;
}

}  // namespace imagetest
