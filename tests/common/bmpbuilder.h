#pragma once
// Builds small bitmap files in memory for the tests: every header field can be set, including
// wrong ones.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace testbmp {

struct BmpFields {
    uint32_t headerSize = 40;  // 12 writes a core header
    int32_t width = 2;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    uint32_t clrUsed = 0;
    std::vector<uint32_t> masks;          // written right after the header
    std::vector<uint8_t> colorTable;      // raw bytes (4 per entry, or 3 after a core header)
    uint32_t gap = 0;                     // bytes of 0xEE between the colour table and the pixels
    std::optional<uint32_t> pixelOffset;  // the file header's field; default: where the pixels are
    std::vector<uint8_t> pixels;
};

inline void Put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline std::vector<uint8_t> Build(const BmpFields& s) {
    std::vector<uint8_t> out;
    const uint32_t tables = static_cast<uint32_t>(s.masks.size() * 4 + s.colorTable.size());
    const uint32_t pixelStart = 14 + s.headerSize + tables + s.gap;
    const uint32_t fileSize = pixelStart + static_cast<uint32_t>(s.pixels.size());
    out.push_back('B');
    out.push_back('M');
    Put(out, fileSize, 4);
    Put(out, 0, 4);
    Put(out, s.pixelOffset.value_or(pixelStart), 4);
    Put(out, s.headerSize, 4);
    if (s.headerSize == 12) {
        Put(out, static_cast<uint16_t>(s.width), 2);
        Put(out, static_cast<uint16_t>(s.height), 2);
        Put(out, s.planes, 2);
        Put(out, s.bitCount, 2);
    } else if (s.headerSize >= 40) {
        Put(out, static_cast<uint32_t>(s.width), 4);
        Put(out, static_cast<uint32_t>(s.height), 4);
        Put(out, s.planes, 2);
        Put(out, s.bitCount, 2);
        Put(out, s.compression, 4);
        Put(out, s.sizeImage, 4);
        Put(out, 2835, 4);
        Put(out, 2835, 4);
        Put(out, s.clrUsed, 4);
        Put(out, 0, 4);
        out.resize(14 + s.headerSize, 0);
    } else {
        out.resize(14 + std::max<uint32_t>(s.headerSize, 4), 0);
    }
    for (uint32_t mask : s.masks)
        Put(out, mask, 4);
    out.insert(out.end(), s.colorTable.begin(), s.colorTable.end());
    out.insert(out.end(), s.gap, 0xEE);
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

// A 24-bit bottom-up image whose pixel (x, y) counted from the top is blue x, green y, red 0x80.
inline BmpFields Rgb24(int32_t width, int32_t height) {
    BmpFields s;
    s.width = width;
    s.height = height;
    const uint32_t row = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    s.pixels.assign(row * static_cast<uint32_t>(height), 0);
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t fileRow = static_cast<uint32_t>(height - 1 - y);
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = &s.pixels[fileRow * row + static_cast<uint32_t>(x) * 3];
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
            p[2] = 0x80;
        }
    }
    return s;
}

// A 24-bit image whose bytes run through every value in steps of 7/3, from `seed`: a background
// where every pixel differs from its neighbours.
inline std::vector<uint8_t> Ramp24(int32_t width, int32_t height, uint8_t seed = 0) {
    BmpFields s;
    s.width = width;
    s.height = height;
    s.bitCount = 24;
    const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    s.pixels.resize(row * static_cast<size_t>(height));
    for (size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = static_cast<uint8_t>(i * 7 / 3 + seed);
    return Build(s);
}

// A colour table of n entries with 4-byte (or 3-byte) entries; entry i is (i, 255 - i, i / 2).
inline std::vector<uint8_t> Palette(uint32_t n, int entryBytes = 4) {
    std::vector<uint8_t> table;
    for (uint32_t i = 0; i < n; ++i) {
        table.push_back(static_cast<uint8_t>(i));
        table.push_back(static_cast<uint8_t>(255 - i));
        table.push_back(static_cast<uint8_t>(i / 2));
        if (entryBytes == 4)
            table.push_back(0);
    }
    return table;
}

}  // namespace testbmp
