#include "base/dibformat.h"

#include <cstdint>
#include <limits>

#include "base/bytes.h"

TDibHeader DecodeDibHeader(const uint8_t* p) {
    TDibHeader h;
    h.size = GetU32(p + dib::kSize);
    h.width = GetI32(p + dib::kWidth);
    h.height = GetI32(p + dib::kHeight);
    h.planes = GetU16(p + dib::kPlanes);
    h.bitCount = GetU16(p + dib::kBitCount);
    h.compression = GetU32(p + dib::kCompression);
    h.sizeImage = GetU32(p + dib::kSizeImage);
    h.xPelsPerMeter = GetI32(p + dib::kXPelsPerMeter);
    h.yPelsPerMeter = GetI32(p + dib::kYPelsPerMeter);
    h.clrUsed = GetU32(p + dib::kClrUsed);
    h.clrImportant = GetU32(p + dib::kClrImportant);
    return h;
}

uint64_t SaturatingMul(uint64_t a, uint64_t b) {
    if (a != 0 && b > std::numeric_limits<uint64_t>::max() / a)
        return std::numeric_limits<uint64_t>::max();
    return a * b;
}

uint64_t DibRowBytes(int64_t width, uint32_t bitCount) {
    if (width <= 0)
        return 0;
    // width < 2^63 and bitCount < 2^32 can still overflow; saturate before padding.
    const uint64_t bits = SaturatingMul(static_cast<uint64_t>(width), bitCount);
    if (bits > std::numeric_limits<uint64_t>::max() - 31)
        return std::numeric_limits<uint64_t>::max() / 8;
    return ((bits + 31) & ~uint64_t{31}) / 8;
}

uint64_t DibImageBytes(int64_t width, int64_t height, uint32_t bitCount) {
    const uint64_t rows = height < 0 ? static_cast<uint64_t>(-(height + 1)) + 1 : static_cast<uint64_t>(height);
    return SaturatingMul(DibRowBytes(width, bitCount), rows);
}

uint32_t DefaultColorCount(uint32_t bitCount) {
    switch (bitCount) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

uint32_t ClampToU32(uint64_t value) {
    return value > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                        : static_cast<uint32_t>(value);
}
