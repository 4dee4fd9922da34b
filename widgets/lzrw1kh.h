#pragma once
// The LZRW1/KH block compressor. A block starts with a flag byte: kLzrwStored (the input follows
// unchanged) or kLzrwCoded. A coded block is a sequence of 16-bit control words (most significant byte
// first), each governing the next 16 items, most significant bit first:
//   bit 0: one literal byte;
//   bit 1: b0 b1 with offset = b0 * 16 + b1 / 16; offset 1..4095 copies (b1 % 16) + 3 bytes from that far
//          back in the output; offset 0 reads b2 b3 more, a run of b3 repeated (b1 * 256 + b2) + 16 times.
// Input is compressed in pieces of at most kLzrwPieceSize bytes; a block never decodes to more.

#include <cstddef>
#include <cstdint>

constexpr size_t kLzrwPieceSize = 32781;
constexpr uint8_t kLzrwStored = 0x80;
constexpr uint8_t kLzrwCoded = 0x40;

// Room the encoder needs for a piece of the given size (the coded form may overshoot before it is
// replaced by the stored form, which is one byte longer than the input).
constexpr size_t LzrwBlockCapacity(size_t size) {
    return size + 8;
}

// Compresses size bytes (at most kLzrwPieceSize) into block, which holds LzrwBlockCapacity(size)
// bytes; returns the block's length. Input that does not shrink is stored.
size_t LzrwCompress(const uint8_t* input, size_t size, uint8_t* block);

// Decodes a block into output, which holds capacity bytes; returns the decoded length. Any block that
// is cut short, copies from before the output's start or would pass capacity raises the stream read
// error before anything is written out of bounds.
size_t LzrwDecompress(const uint8_t* block, size_t length, uint8_t* output, size_t capacity);
