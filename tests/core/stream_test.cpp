#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/exceptions.h"
#include "base/filestream.h"
#include "base/memorystream.h"

namespace {

TEST(MemoryStream, ReadReportsHowManyBytesItGot) {
    TMemoryStream stream({1, 2, 3, 4, 5});
    uint8_t buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 3), 3u);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(stream.Read(buffer, 8), 2u);
    EXPECT_EQ(buffer[1], 5);
    EXPECT_EQ(stream.Read(buffer, 8), 0u);
}

TEST(MemoryStream, ReadBufferRaisesOnShortRead) {
    TMemoryStream stream({1, 2, 3});
    uint8_t buffer[4];
    try {
        stream.ReadBuffer(buffer, 4);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(MemoryStream, SeekFromEachOrigin) {
    TMemoryStream stream({10, 11, 12, 13});
    EXPECT_EQ(stream.Seek(1, TSeekOrigin::soBeginning), 1);
    EXPECT_EQ(stream.Seek(2, TSeekOrigin::soCurrent), 3);
    EXPECT_EQ(stream.Seek(-4, TSeekOrigin::soEnd), 0);
    EXPECT_EQ(stream.Seek(-9, TSeekOrigin::soCurrent), 0);
    EXPECT_EQ(stream.Size(), 4);
    EXPECT_EQ(stream.Position(), 0);
    stream.SetPosition(9);
    uint8_t byte;
    EXPECT_EQ(stream.Read(&byte, 1), 0u);
    // Far-away positions neither wrap nor overflow.
    EXPECT_EQ(stream.Seek(INT64_MAX, TSeekOrigin::soEnd), INT64_MAX);
    EXPECT_EQ(stream.Read(&byte, 1), 0u);
    EXPECT_EQ(stream.Seek(INT64_MIN, TSeekOrigin::soCurrent), 0);
    EXPECT_EQ(stream.Read(&byte, 1), 1u);
}

TEST(MemoryStream, WriteGrowsAndAppendRestCopiesTheSourcesTail) {
    TMemoryStream source({1, 2, 3, 4});
    source.SetPosition(1);
    TMemoryStream copy;
    const uint8_t head[] = {9, 9};
    copy.Write(head, 2);
    copy.AppendRest(source);
    EXPECT_EQ(copy.Bytes(), (std::vector<uint8_t>{9, 9, 2, 3, 4}));
    EXPECT_EQ(copy.Position(), 2);
    EXPECT_EQ(source.Position(), 4);
}

TEST(FileStream, OpenFailureNamesTheFile) {
    const std::string name = "/nonexistent-folder/missing.bmp";
    try {
        TFileStream stream(name);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + name);
    }
}

TEST(FileStream, ReadsAndSeeksAFile) {
    TFileStream stream(std::string(MENU_TEST_DATA) + "/bmpsuite/g/pal1.bmp");
    EXPECT_EQ(stream.Size(), 1086);
    uint8_t magic[2];
    stream.ReadBuffer(magic, 2);
    EXPECT_EQ(magic[0], 'B');
    EXPECT_EQ(magic[1], 'M');
    EXPECT_EQ(stream.Seek(-1, TSeekOrigin::soEnd), 1085);
    uint8_t buffer[4];
    EXPECT_EQ(stream.Read(buffer, 4), 1u);
}

}  // namespace
