#pragma once
// The device-independent bitmap header shared by bitmap and icon files, and the size arithmetic
// over it. All sizes are 64-bit and saturate, so no header value can make them wrap.

#include <cstdint>

// Field offsets of the 40-byte info header.
namespace dib {
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr int kSize = 0, kWidth = 4, kHeight = 8, kPlanes = 12, kBitCount = 14, kCompression = 16, kSizeImage = 20,
              kXPelsPerMeter = 24, kYPelsPerMeter = 28, kClrUsed = 32, kClrImportant = 36;
constexpr uint32_t kRgb = 0;        // BI_RGB
constexpr uint32_t kBitFields = 3;  // BI_BITFIELDS
}  // namespace dib

// The fields of an info header, as numbers.
struct TDibHeader {
    uint32_t size = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
};

// Decodes the first 40 bytes at p.
TDibHeader DecodeDibHeader(const uint8_t* p);

// a * b, or UINT64_MAX when the product does not fit.
uint64_t SaturatingMul(uint64_t a, uint64_t b);

// Bytes per pixel row, padded to 4 bytes; 0 for widths of 0 or less.
uint64_t DibRowBytes(int64_t width, uint32_t bitCount);

// Bytes of pixel data for the whole image: row bytes times the absolute height.
uint64_t DibImageBytes(int64_t width, int64_t height, uint32_t bitCount);

// Colour-table entries implied for a bit count when the header gives none: 2, 16, 256 or 0.
uint32_t DefaultColorCount(uint32_t bitCount);

// The value stored in a 32-bit size field: saturated at its largest value.
uint32_t ClampToU32(uint64_t value);
