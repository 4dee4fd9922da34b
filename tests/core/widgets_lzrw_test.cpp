#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/exceptions.h"
#include "base/memorystream.h"
#include "widgets/compressedstream.h"
#include "widgets/lzrw1kh.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Compress(const Bytes& input) {
    Bytes block(LzrwBlockCapacity(input.size()));
    block.resize(LzrwCompress(input.data(), input.size(), block.data()));
    return block;
}

Bytes Decompress(const Bytes& block, size_t capacity = kLzrwPieceSize) {
    Bytes output(capacity);
    output.resize(LzrwDecompress(block.data(), block.size(), output.data(), capacity));
    return output;
}

// Text with repeats near and far, runs and noise, as a bitmap's rows would have.
Bytes Mixed(size_t size) {
    Bytes data;
    uint32_t state = 12345;
    while (data.size() < size) {
        state = state * 1103515245u + 12345u;
        const uint32_t kind = state >> 28;
        if (kind < 4) {
            data.insert(data.end(), 10 + (state >> 8 & 31), static_cast<uint8_t>(state >> 16));  // a run
        } else if (kind < 10 && data.size() > 100) {
            const size_t from = data.size() - 1 - (state >> 4) % std::min<size_t>(data.size() - 1, 5000);
            for (size_t k = 0; k < 3 + (state >> 20 & 15); ++k)
                data.push_back(data[from + k]);  // an earlier stretch
        } else {
            data.push_back(static_cast<uint8_t>(state >> 12));
        }
    }
    data.resize(size);
    return data;
}

TEST(Lzrw, CompressedStreamRoundTripAcrossPieceBoundaries) {
    for (size_t size :
         {size_t{0}, size_t{1}, size_t{2}, size_t{3}, size_t{17}, size_t{4096}, kLzrwPieceSize - 1, kLzrwPieceSize,
          kLzrwPieceSize + 1, 2 * kLzrwPieceSize, 2 * kLzrwPieceSize + 3, size_t{200000}}) {
        const Bytes data = Mixed(size);
        TMemoryStream stream;
        WriteCompressedStream(stream, data.data(), data.size());
        // The total counts every chunk with its length field; one chunk per started piece.
        const Bytes& bytes = stream.Bytes();
        ASSERT_EQ(GetU32(bytes.data()), bytes.size() - 4) << size;
        size_t chunks = 0;
        for (size_t at = 4; at < bytes.size(); at += 4 + GetU32(&bytes[at]))
            ++chunks;
        EXPECT_EQ(chunks, (size + kLzrwPieceSize - 1) / kLzrwPieceSize) << size;
        stream.SetPosition(0);
        EXPECT_EQ(ReadCompressedStream(stream), data) << size;
        EXPECT_EQ(stream.Position(), static_cast<int64_t>(bytes.size()));
    }
}

TEST(Lzrw, EqualBytesBecomeRunsFromSixteenOn) {
    struct Case {
        size_t length;
        Bytes block;
    } cases[] = {
        {16, {0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 'x'}},
        {20, {0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 'x'}},
        {4095, {0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 'x'}},
        // The longest run is 4095: the rest follows as a literal and a copy of 3.
        {4099, {0x40, 0xA0, 0x00, 0x00, 0x0F, 0xEF, 'x', 'x', 0x00, 0x10}},
    };
    for (const Case& c : cases) {
        const Bytes input(c.length, 'x');
        EXPECT_EQ(Compress(input), c.block) << c.length;
        EXPECT_EQ(Decompress(c.block), input) << c.length;
    }
    // Fifteen equal bytes are no run: a literal and a copy of 14 from one byte back.
    EXPECT_EQ(Compress(Bytes(15, 'x')), (Bytes{0x40, 0x40, 0x00, 'x', 0x00, 0x1B}));
}

TEST(Lzrw, TheFarthestOffsetAndTheLongestCopy) {
    // "ABC", 4092 z's (a run, not remembered), then "ABC" and 15 z's: one copy of 18 from 4095 back.
    Bytes input = {'A', 'B', 'C'};
    input.insert(input.end(), 4092, 'z');
    input.insert(input.end(), {'A', 'B', 'C'});
    input.insert(input.end(), 15, 'z');
    const Bytes block = {0x40, 0x18, 0x00, 'A', 'B', 'C', 0x00, 0x0F, 0xEC, 'z', 0xFF, 0xFF};
    EXPECT_EQ(Compress(input), block);
    EXPECT_EQ(Decompress(block), input);
    // One byte farther is out of reach: the second "ABC" is three literals.
    input.insert(input.begin() + 3, 'z');
    const Bytes farther = Compress(input);
    // Literals A B C, the run, literals A B C and z, then a copy of 14 from one byte back.
    EXPECT_EQ(farther[1], 0x10);
    EXPECT_EQ(farther[2], 0x80);
    EXPECT_EQ(Decompress(farther), input);
}

TEST(Lzrw, InputThatDoesNotShrinkIsStored) {
    Bytes noise(1000);
    uint32_t state = 7;
    for (uint8_t& b : noise) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(state >> 24);
    }
    for (const Bytes& input : {Bytes{}, Bytes{'a', 'b'}, noise}) {
        const Bytes block = Compress(input);
        ASSERT_EQ(block.size(), input.size() + 1);
        EXPECT_EQ(block[0], kLzrwStored);
        EXPECT_EQ(Decompress(block), input);
    }
}

Bytes RunItems(int count) {
    Bytes block = {0x40, 0xFF, 0xFF};
    for (int i = 0; i < count; ++i)
        block.insert(block.end(), {0x00, 0x0F, 0xFF, 'r'});  // 4111 bytes each
    return block;
}

TEST(Lzrw, CorruptBlocksAreRefusedBeforeWritingOutOfBounds) {
    Bytes seventeenth = {0x40, 0x00, 0x00};
    seventeenth.insert(seventeenth.end(), 16, 'l');
    seventeenth.push_back(0x80);  // a control word cut short
    const Bytes storedTooLong = [] {
        Bytes block(kLzrwPieceSize + 2, 's');
        block[0] = kLzrwStored;
        return block;
    }();
    struct Case {
        const char* what;
        Bytes block;
        size_t capacity;
    } cases[] = {
        {"empty", {}, kLzrwPieceSize},
        {"unknown flag", {0x00, 0x00, 0x00}, kLzrwPieceSize},
        {"no control word", {0x40, 0x00}, kLzrwPieceSize},
        {"copy before the start", {0x40, 0x80, 0x00, 0x00, 0x10}, kLzrwPieceSize},
        {"copy from farther than written", {0x40, 0x40, 0x00, 'a', 0x00, 0x20}, kLzrwPieceSize},
        {"copy past the piece", {0x40, 0x40, 0x00, 'a', 0x00, 0x1F}, 10},
        {"run past the piece", RunItems(8), kLzrwPieceSize},
        {"literal past the output", {0x40, 0x00, 0x00, 'a', 'b'}, 1},
        {"copy cut short", {0x40, 0x80, 0x00, 0x05}, kLzrwPieceSize},
        {"run cut short", {0x40, 0x80, 0x00, 0x00, 0x00, 0x04}, kLzrwPieceSize},
        {"control word cut short", seventeenth, kLzrwPieceSize},
        {"stored longer than the piece", storedTooLong, kLzrwPieceSize},
    };
    for (const Case& c : cases) {
        try {
            Decompress(c.block, c.capacity);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), "Stream read error") << c.what;
        }
    }
    // Seven runs still fit into one piece.
    EXPECT_EQ(Decompress(RunItems(7)).size(), 7u * 4111);
}

TEST(Lzrw, CorruptOrTruncatedStreamsAreRefused) {
    TMemoryStream good;
    const Bytes data = Mixed(40000);
    WriteCompressedStream(good, data.data(), data.size());
    const Bytes& whole = good.Bytes();
    const size_t secondChunk = 8 + GetU32(&whole[4]);
    ASSERT_LT(secondChunk + 10, whole.size());
    struct Case {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"no total", {0x10, 0x00}},
        {"total past the end", {0xFF, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0x00, 0x80}},
        {"total leaves part of a length", {0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00}},
        {"chunk of length 0", {0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"chunk past the total", {0x06, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x80, 0x41, 0x42}},
        {"truncated", Bytes(whole.begin(), whole.end() - 1)},
        {"truncated in the second chunk",
         Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(secondChunk + 10))},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        EXPECT_THROW(ReadCompressedStream(stream), EReadError) << c.what;
    }
}

}  // namespace
