#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "base/bmpformat.h"
#include "base/bytes.h"
#include "base/exceptions.h"
#include "tests/common/bmpbuilder.h"

namespace {

using testbmp::BmpFields;
using testbmp::Build;

TBitmapLayout Read(const std::vector<uint8_t>& file) {
    TMemoryStream stream(file);
    return ReadBitmapLayout(stream);
}

template <typename E>
std::string ErrorOf(const std::vector<uint8_t>& file) {
    try {
        Read(file);
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> file, size_t size) {
    file.resize(size);
    return file;
}

TEST(BitmapLayout, Rgb24WithImageSizeZero) {
    const TBitmapLayout layout = Read(Build(testbmp::Rgb24(3, 2)));
    EXPECT_EQ(layout.header.width, 3);
    EXPECT_EQ(layout.header.height, 2);
    EXPECT_EQ(layout.header.bitCount, 24);
    EXPECT_EQ(layout.header.sizeImage, 24u);  // 12 bytes per padded row, 2 rows
    EXPECT_EQ(GetU32(&layout.info[dib::kSizeImage]), 24u);
    EXPECT_EQ(layout.colorCount, 0u);
    EXPECT_EQ(layout.info.size(), 40u);
    EXPECT_FALSE(layout.compressed);
    EXPECT_FALSE(layout.os2);
    EXPECT_EQ(layout.pixelPosition, 54);
    EXPECT_EQ(layout.pixelBytes, 24u);
    EXPECT_EQ(layout.capacity, 24u);
}

TEST(BitmapLayout, CoreHeaderIsWidenedWithItsColourTable) {
    BmpFields s;
    s.headerSize = 12;
    s.width = 40000;  // unsigned 16-bit in a core header
    s.height = 3;
    s.bitCount = 1;
    s.colorTable = {1, 2, 3, 4, 5, 6};
    s.pixels.assign(5000 * 3, 0);
    const TBitmapLayout layout = Read(Build(s));
    EXPECT_TRUE(layout.os2);
    EXPECT_EQ(layout.fileHeaderSize, 12u);
    EXPECT_EQ(layout.header.size, 40u);
    EXPECT_EQ(layout.header.width, 40000);
    EXPECT_EQ(layout.header.compression, 0u);
    EXPECT_EQ(layout.colorCount, 2u);
    EXPECT_EQ(layout.header.clrUsed, 2u);
    ASSERT_EQ(layout.info.size(), 48u);
    EXPECT_EQ(std::vector<uint8_t>(layout.info.begin() + 40, layout.info.end()),
              (std::vector<uint8_t>{1, 2, 3, 0, 4, 5, 6, 0}));
    EXPECT_EQ(layout.pixelPosition, 14 + 12 + 6);
    EXPECT_EQ(layout.pixelBytes, 5000u * 3);
}

TEST(BitmapLayout, ColourCountDefaultsByBitCount) {
    struct Case {
        uint16_t bitCount;
        uint32_t colors;
    } cases[] = {{1, 2}, {4, 16}, {8, 256}, {2, 0}, {16, 0}, {24, 0}, {32, 0}};
    for (const Case& c : cases) {
        BmpFields s;
        s.bitCount = c.bitCount;
        s.colorTable = testbmp::Palette(c.colors);
        s.pixels.assign(16, 0);
        const TBitmapLayout layout = Read(Build(s));
        EXPECT_EQ(layout.colorCount, c.colors) << c.bitCount;
        EXPECT_EQ(layout.header.clrUsed, c.colors) << c.bitCount;
    }
}

TEST(BitmapLayout, MasksOnlyAfterAFortyByteHeaderWithBitFields) {
    BmpFields s;
    s.bitCount = 16;
    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.pixels.assign(8, 0);
    TBitmapLayout layout = Read(Build(s));
    ASSERT_EQ(layout.info.size(), 52u);
    EXPECT_EQ(GetU32(&layout.info[40]), 0xF800u);
    EXPECT_EQ(GetU32(&layout.info[48]), 0x001Fu);
    EXPECT_EQ(layout.pixelPosition, 66);

    s.headerSize = 108;  // the masks live inside larger headers
    s.masks.clear();
    layout = Read(Build(s));
    EXPECT_EQ(layout.info.size(), 108u);
    EXPECT_EQ(layout.pixelPosition, 14 + 108);
}

TEST(BitmapLayout, AFullColourTableFitsAfterTheMasks) {
    BmpFields s;
    s.bitCount = 16;
    s.compression = 3;
    s.clrUsed = 256;
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.colorTable = testbmp::Palette(256);
    s.pixels.assign(8, 0);
    const TBitmapLayout layout = Read(Build(s));
    EXPECT_EQ(layout.colorCount, 256u);
    EXPECT_EQ(layout.colorTableOffset, 52u);
    EXPECT_EQ(layout.info.size(), 52u + 1024);
}

TEST(BitmapLayout, ShortFilesAreStreamReadErrors) {
    const std::vector<uint8_t> file = Build(testbmp::Rgb24(2, 2));
    for (size_t size = 1; size <= 13; ++size)
        EXPECT_EQ(ErrorOf<EReadError>(Truncated(file, size)), "Stream read error") << size;
    for (size_t size = 15; size <= 17; ++size)  // inside the header size field
        EXPECT_EQ(ErrorOf<EReadError>(Truncated(file, size)), "Stream read error") << size;
    for (size_t size = 18; size < 54; ++size)  // inside the info header
        EXPECT_EQ(ErrorOf<EReadError>(Truncated(file, size)), "Stream read error") << size;
}

TEST(BitmapLayout, FileEndingInsideTheMasksOrColourTableIsAReadError) {
    BmpFields masked;
    masked.bitCount = 32;
    masked.compression = 3;
    masked.masks = {0xFF0000, 0xFF00, 0xFF};
    const std::vector<uint8_t> withMasks = Build(masked);
    for (size_t size = 54; size < 66; ++size)
        EXPECT_EQ(ErrorOf<EReadError>(Truncated(withMasks, size)), "Stream read error") << size;

    BmpFields paletted;
    paletted.bitCount = 8;
    paletted.colorTable = testbmp::Palette(256);
    const std::vector<uint8_t> withTable = Build(paletted);
    for (size_t size : {54u, 55u, 600u, 1077u})
        EXPECT_EQ(ErrorOf<EReadError>(Truncated(withTable, size)), "Stream read error") << size;

    BmpFields core;
    core.headerSize = 12;
    core.bitCount = 4;
    core.colorTable = testbmp::Palette(16, 3);
    EXPECT_EQ(ErrorOf<EReadError>(Truncated(Build(core), 14 + 12 + 47)), "Stream read error");
}

TEST(BitmapLayout, RejectedInputsAreInvalidBitmaps) {
    auto invalid = [](const std::vector<uint8_t>& file) { return ErrorOf<EInvalidGraphic>(file); };
    std::vector<uint8_t> notBm = Build(testbmp::Rgb24(2, 2));
    notBm[0] = 'M';
    notBm[1] = 'B';
    EXPECT_EQ(invalid(notBm), "Bitmap image is not valid");
    EXPECT_EQ(invalid(Truncated(Build(testbmp::Rgb24(2, 2)), 14)), "Bitmap image is not valid");
    for (uint16_t planes : {0, 2, 3, 0xFFFF}) {
        BmpFields s = testbmp::Rgb24(2, 2);
        s.planes = planes;
        EXPECT_EQ(invalid(Build(s)), "Bitmap image is not valid") << planes;
    }
    for (uint32_t headerSize : {0u, 4u, 11u, 13u, 16u, 39u}) {
        BmpFields s = testbmp::Rgb24(2, 2);
        s.headerSize = headerSize;
        EXPECT_EQ(invalid(Build(s)), "Bitmap image is not valid") << headerSize;
    }
    for (uint32_t colors : {257u, 300u, 0x12345678u, 0xFFFFFFFFu}) {
        BmpFields s;
        s.bitCount = 8;
        s.clrUsed = colors;
        s.colorTable = testbmp::Palette(300);
        EXPECT_EQ(invalid(Build(s)), "Bitmap image is not valid") << colors;
    }
}

TEST(BitmapLayout, LargerHeadersAreReadWhole) {
    for (uint32_t headerSize : {40u, 52u, 56u, 64u, 108u, 124u, 200u}) {
        BmpFields s = testbmp::Rgb24(2, 2);
        s.headerSize = headerSize;
        const TBitmapLayout layout = Read(Build(s));
        EXPECT_EQ(layout.info.size(), headerSize);
        EXPECT_EQ(layout.pixelPosition, 14 + static_cast<int64_t>(headerSize));
    }
}

TEST(BitmapLayout, HeaderSizeLargerThanTheFileIsAReadError) {
    BmpFields s = testbmp::Rgb24(2, 2);
    std::vector<uint8_t> file = Build(s);
    PutU32(&file[14], 0xFFFFFFF0u);
    EXPECT_EQ(ErrorOf<EReadError>(file), "Stream read error");
}

// The file header's pixel offset is used when it points past the colour table into the file.
TEST(BitmapLayout, PixelOffsetAfterAGapIsHonoured) {
    BmpFields s = testbmp::Rgb24(2, 2);
    s.gap = 100;
    const TBitmapLayout layout = Read(Build(s));
    EXPECT_EQ(layout.pixelPosition, 54 + 100);
    EXPECT_EQ(layout.pixelBytes, 16u);
}

TEST(BitmapLayout, PixelOffsetOutsideTheUsableRangeIsIgnored) {
    BmpFields s = testbmp::Rgb24(2, 2);
    s.bitCount = 8;
    s.colorTable = testbmp::Palette(256);
    s.pixels.assign(8, 0);
    const uint32_t tableEnd = 14 + 40 + 1024;
    const uint32_t fileSize = tableEnd + 8;
    struct Case {
        uint32_t offset;
        int64_t expected;
    } cases[] = {
        {0, tableEnd},
        {54, tableEnd},
        {tableEnd - 1, tableEnd},
        {tableEnd, tableEnd},
        {tableEnd + 3, tableEnd + 3},
        {fileSize - 1, fileSize - 1},
        {fileSize, tableEnd},
        {0xFFFFFFFF, tableEnd},
    };
    for (const Case& c : cases) {
        s.pixelOffset = c.offset;
        const TBitmapLayout layout = Read(Build(s));
        EXPECT_EQ(layout.pixelPosition, c.expected) << c.offset;
        EXPECT_EQ(layout.pixelBytes, static_cast<uint64_t>(fileSize - c.expected)) << c.offset;
    }
}

TEST(BitmapLayout, PixelBytesNeverExceedWhatTheImageHolds) {
    BmpFields s = testbmp::Rgb24(2, 2);
    s.sizeImage = 0xFFFFFF00u;
    s.pixels.resize(4096, 0x55);  // more data than a 2 x 2 image holds
    TBitmapLayout layout = Read(Build(s));
    EXPECT_EQ(layout.capacity, 16u);
    EXPECT_EQ(layout.pixelBytes, 16u);

    s.sizeImage = 10;  // a smaller image size limits the read
    layout = Read(Build(s));
    EXPECT_EQ(layout.pixelBytes, 10u);
}

TEST(BitmapLayout, DataEndingEarlyGivesTheBytesThatAreThere) {
    BmpFields s = testbmp::Rgb24(100, 100);
    s.pixels.resize(777);
    const TBitmapLayout layout = Read(Build(s));
    EXPECT_EQ(layout.header.sizeImage, 30000u);
    EXPECT_EQ(layout.pixelBytes, 777u);
}

TEST(BitmapLayout, HugeDimensionsSaturateInsteadOfWrapping) {
    BmpFields s;
    s.width = std::numeric_limits<int32_t>::max();
    s.height = std::numeric_limits<int32_t>::min();
    s.bitCount = 0xFFFF;
    s.pixels.assign(64, 1);
    const TBitmapLayout layout = Read(Build(s));
    EXPECT_EQ(layout.capacity, std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(layout.header.sizeImage, 0xFFFFFFFFu);
    EXPECT_EQ(layout.pixelBytes, 64u);
}

TEST(BitmapLayout, CompressedDataIsKeptInMemory) {
    BmpFields s;
    s.bitCount = 8;
    s.compression = 1;  // BI_RLE8
    s.width = 4;
    s.height = 1;
    s.colorTable = testbmp::Palette(2);
    s.clrUsed = 2;
    s.pixels = {4, 1, 0, 1};  // four pixels of colour 1, end of bitmap
    const std::vector<uint8_t> file = Build(s);
    TMemoryStream stream(file);
    TBitmapLayout layout = ReadBitmapLayout(stream);
    ASSERT_TRUE(layout.compressed);
    ASSERT_NE(layout.compressedData, nullptr);
    EXPECT_EQ(layout.compressedData->Bytes(), std::vector<uint8_t>(file.begin() + 14, file.end()));
    EXPECT_EQ(layout.pixelPosition, 40 + 8);
    EXPECT_EQ(layout.pixelBytes, 4u);
    EXPECT_EQ(layout.header.sizeImage, 4u);  // what the system may decode: the bytes we have
    EXPECT_EQ(&PixelSource(layout, stream), layout.compressedData.get());
    EXPECT_EQ(layout.compressedData->Position(), 48);
}

TEST(BitmapLayout, ReadsFromTheStreamsPosition) {
    std::vector<uint8_t> file(7, 0xAA);
    const std::vector<uint8_t> bitmap = Build(testbmp::Rgb24(2, 2));
    file.insert(file.end(), bitmap.begin(), bitmap.end());
    TMemoryStream stream(file);
    stream.SetPosition(7);
    TBitmapLayout layout = ReadBitmapLayout(stream);
    EXPECT_EQ(layout.pixelPosition, 7 + 54);
    EXPECT_EQ(stream.Position(), 7 + 54);
}

TEST(DibSizes, RowBytesArePaddedToFourBytes) {
    struct Case {
        int64_t width;
        uint32_t bits;
        uint64_t bytes;
    } cases[] = {{1, 1, 4},   {32, 1, 4},  {33, 1, 8}, {127, 4, 64}, {127, 8, 128}, {3, 24, 12},
                 {4, 24, 12}, {5, 16, 12}, {0, 24, 0}, {-5, 24, 0},  {1, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DibRowBytes(c.width, c.bits), c.bytes) << c.width << "x" << c.bits;
    EXPECT_EQ(DibImageBytes(3, -2, 24), 24u);
    EXPECT_EQ(DibImageBytes(3, std::numeric_limits<int32_t>::min(), 24), 12ull << 31);
    EXPECT_EQ(SaturatingMul(1ull << 40, 1ull << 30), std::numeric_limits<uint64_t>::max());
}

}  // namespace
