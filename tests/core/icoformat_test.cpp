#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/dibformat.h"
#include "base/exceptions.h"
#include "base/icoformat.h"
#include "base/memorystream.h"
#include "tests/common/icobuilder.h"

namespace {

template <typename E, typename F>
std::string ErrorOf(F&& body) {
    try {
        body();
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}

std::vector<TIconEntry> Directory(const std::vector<uint8_t>& file) {
    TMemoryStream stream(file);
    return ReadIconDirectory(stream);
}

TEST(IconHeader, FewerThanSixBytesAreAStreamReadError) {
    const std::vector<uint8_t> file = testico::Build({testico::Image{}});
    for (size_t size = 0; size < 6; ++size) {
        TMemoryStream stream(std::vector<uint8_t>(file.begin(), file.begin() + size));
        EXPECT_EQ(ErrorOf<EReadError>([&] { ReadIconHeader(stream); }), "Stream read error") << size;
    }
}

TEST(IconHeader, TypesOtherThanIconAreInvalid) {
    for (uint16_t type : {2, 3, 0x100, 0xFFFF}) {
        TMemoryStream stream(testico::Build({testico::Image{}}, type));
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { ReadIconHeader(stream); }), "Icon image is not valid") << type;
    }
    TMemoryStream typeZero(std::vector<uint8_t>{0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadIconHeader(typeZero).type, 0);
}

TEST(IconHeader, AnIconWithoutImagesIsInvalid) {
    TMemoryStream stream(std::vector<uint8_t>{0, 0, 1, 0, 0, 0});
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { ReadIconHeader(stream); }), "Icon image is not valid");
}

TEST(IconDirectory, ReadsEveryEntry) {
    testico::Image small;
    small.width = small.height = 16;
    small.colors = 0x0102;
    const std::vector<uint8_t> file = testico::Build({small, testico::Image{}});
    const std::vector<TIconEntry> entries = Directory(file);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].width, 16);
    EXPECT_EQ(entries[0].colors, 0x0102);
    EXPECT_EQ(entries[0].bitCount, 4);
    EXPECT_EQ(entries[0].dataOffset, 6u + 32);
    EXPECT_EQ(entries[1].dataOffset, entries[0].dataOffset + entries[0].dataSize);
    EXPECT_EQ(entries[1].dataOffset + entries[1].dataSize, file.size());
}

TEST(IconDirectory, ACutDirectoryIsAStreamReadError) {
    std::vector<uint8_t> file = testico::Build({testico::Image{}, testico::Image{}});
    file.resize(6 + 16 + 7);
    EXPECT_EQ(ErrorOf<EReadError>([&] { Directory(file); }), "Stream read error");
}

TEST(IconDirectory, DataOutsideTheFileIsInvalid) {
    const std::vector<uint8_t> good = testico::Build({testico::Image{}});
    struct Case {
        uint32_t size;
        uint32_t offset;
    } cases[] = {{1, static_cast<uint32_t>(good.size())},
                 {static_cast<uint32_t>(good.size()), 22},
                 {0x10, 0xFFFFFFF8u},
                 {0xFFFFFFFFu, 22}};
    for (const Case& c : cases) {
        std::vector<uint8_t> file = good;
        PutU32(&file[6 + 8], c.size);
        PutU32(&file[6 + 12], c.offset);
        EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { Directory(file); }), "Icon image is not valid") << c.offset;
    }
}

TEST(IconChoice, ScreenColours) {
    struct Case {
        int planes, bits;
        int32_t colors;
    } cases[] = {{1, 1, 2},          {1, 4, 16},           {1, 8, 256},          {4, 1, 16},
                 {1, 0, 1},          {1, 16, kManyColors}, {1, 24, kManyColors}, {1, 32, kManyColors},
                 {3, 8, kManyColors}};
    for (const Case& c : cases)
        EXPECT_EQ(ScreenColors(c.planes, c.bits), c.colors) << c.planes << "x" << c.bits;
}

TEST(IconChoice, ColourValueReadsZeroAsMany) {
    TIconEntry entry;
    EXPECT_EQ(ColorValue(entry), kManyColors);
    entry.colors = 16;
    EXPECT_EQ(ColorValue(entry), 16);
}

TEST(IconChoice, SizeAtLeastAsGood) {
    struct Case {
        int d, d0;
        bool better;
    } cases[] = {{0, 0, true},     {0, 16, true},    {0, -16, true},  {-16, 16, true}, {16, -16, false},
                 {16, 16, true},   {-16, -16, true}, {8, 16, true},   {-8, 16, true},  {17, 16, false},
                 {-17, 16, false}, {8, -16, false},  {-8, -16, true}, {1, 0, false},   {-1, 0, false}};
    for (const Case& c : cases)
        EXPECT_EQ(SizeAtLeastAsGood(c.d, c.d0), c.better) << c.d << " vs " << c.d0;
}

TIconEntry Entry(int size, uint16_t colors) {
    TIconEntry entry;
    entry.width = entry.height = static_cast<uint8_t>(size);
    entry.colors = colors;
    return entry;
}

TEST(IconChoice, ChoosesByTheRules) {
    struct Case {
        const char* what;
        std::vector<TIconEntry> entries;
        int target;
        int32_t screen;
        size_t chosen;
    } cases[] = {
        {"16 then 32 picks 32", {Entry(16, 16), Entry(32, 16)}, 32, kManyColors, 1},
        {"32 then 16 picks 32", {Entry(32, 16), Entry(16, 16)}, 32, kManyColors, 0},
        {"48 then 32 picks 32", {Entry(48, 16), Entry(32, 16)}, 32, kManyColors, 1},
        {"32 then 48 picks 32", {Entry(32, 16), Entry(48, 16)}, 32, kManyColors, 0},
        {"16 then 48 picks 16", {Entry(16, 16), Entry(48, 16)}, 32, kManyColors, 0},
        {"48 then 16 picks 16", {Entry(48, 16), Entry(16, 16)}, 32, kManyColors, 1},
        {"a tie goes to the later", {Entry(32, 16), Entry(32, 16)}, 32, kManyColors, 1},
        {"more colours win at the same size", {Entry(32, 16), Entry(32, 256)}, 32, kManyColors, 1},
        {"fewer colours never replace more", {Entry(32, 256), Entry(32, 16)}, 32, kManyColors, 0},
        {"colours 0 count as many", {Entry(32, 256), Entry(32, 0)}, 32, kManyColors, 1},
        {"more colours at a worse size lose", {Entry(32, 16), Entry(48, 256)}, 32, kManyColors, 0},
        {"more colours than the screen lose", {Entry(32, 16), Entry(32, 256)}, 32, 16, 0},
        {"256-colour entry after on 8 bits", {Entry(32, 16), Entry(32, 0)}, 32, 256, 0},
        {"256-colour entry 0 stays on 8 bits", {Entry(32, 0), Entry(32, 16)}, 32, 256, 0},
        {"the requested size decides", {Entry(32, 16), Entry(16, 16)}, 16, kManyColors, 1},
        {"the best of three", {Entry(48, 16), Entry(16, 16), Entry(32, 16)}, 32, kManyColors, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseIconImage(c.entries, c.target, c.target, c.screen), c.chosen) << c.what;
}

TEST(IconImage, LaysOutColourAndMask) {
    const std::vector<uint8_t> file = testico::Build({testico::Image{}});
    const std::vector<TIconEntry> entries = Directory(file);
    const TIconImage image = ReadIconImage(file, entries[0]);
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 32);
    const TDibHeader color = DecodeDibHeader(image.colorInfo.data());
    EXPECT_EQ(color.height, 32);
    EXPECT_EQ(color.bitCount, 4);
    EXPECT_EQ(color.sizeImage, 16u * 32);
    EXPECT_EQ(image.colorPixels, 40u + 64);
    EXPECT_EQ(image.colorBytes, 512u);
    EXPECT_EQ(image.maskPixels, 40u + 64 + 512);
    EXPECT_EQ(image.maskBytes, 128u);
    EXPECT_EQ(image.data[image.colorPixels], 0x11);
    const TDibHeader mask = DecodeDibHeader(image.maskInfo.data());
    EXPECT_EQ(mask.bitCount, 1);
    EXPECT_EQ(mask.height, 32);
    EXPECT_EQ(mask.sizeImage, 128u);
    EXPECT_EQ(mask.clrUsed, 2u);
    EXPECT_EQ(mask.clrImportant, 2u);
    EXPECT_EQ(std::vector<uint8_t>(image.maskInfo.begin() + 40, image.maskInfo.end()),
              (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
}

TEST(IconImage, ShortDataIsPaddedWithZeros) {
    testico::Image wide;
    wide.headerWidth = 64;  // the header claims more pixels than the entry's data holds
    std::vector<uint8_t> file = testico::Build({wide});
    std::vector<TIconEntry> entries = Directory(file);
    entries[0].dataSize = 50;
    const TIconImage image = ReadIconImage(file, entries[0]);
    EXPECT_EQ(image.data.size(), 40u + 64 + 32 * 32 + 8 * 32);
    EXPECT_EQ(image.data[60], 0);
    EXPECT_EQ(image.colorInfo.size(), 40u + 12 + 1024);
}

TEST(IconImage, HeaderFieldsCannotWidenWhatTheSystemReads) {
    std::vector<uint8_t> file = testico::Build({testico::Image{}});
    const std::vector<TIconEntry> entries = Directory(file);
    PutU32(&file[entries[0].dataOffset], 0x474E5089);  // not a 40-byte header
    PutU32(&file[entries[0].dataOffset + 32], 0xFFFFFFFF);
    const TIconImage image = ReadIconImage(file, entries[0]);
    EXPECT_EQ(GetU32(&image.colorInfo[0]), 40u);
    EXPECT_EQ(GetU32(&image.colorInfo[32]), 256u);
}

TEST(IconImage, HugeDimensionsAreOutOfResources) {
    std::vector<uint8_t> file = testico::Build({testico::Image{}});
    const std::vector<TIconEntry> entries = Directory(file);
    PutU32(&file[entries[0].dataOffset + 4], 0x7FFFFFFF);
    PutU32(&file[entries[0].dataOffset + 8], 0x7FFFFFFF);
    EXPECT_EQ(ErrorOf<EOutOfResources>([&] { ReadIconImage(file, entries[0]); }), "Out of system resources");
}

}  // namespace
