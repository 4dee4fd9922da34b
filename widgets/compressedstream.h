#pragma once
// The compressed stream: a 32-bit little-endian total T, then chunk records until T bytes are used up.
// A chunk record is a 32-bit little-endian length L and L bytes of one LZRW1/KH block, which decodes to
// one piece of the data (every piece kLzrwPieceSize bytes except the last). T counts the chunk records
// with their length fields.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/memorystream.h"
#include "base/stream.h"

// Appends the compressed form of size bytes at data to the stream.
void WriteCompressedStream(TMemoryStream& stream, const uint8_t* data, size_t size);

// Reads a compressed stream from the stream's position and returns the data. Totals and lengths the
// rest of the stream cannot hold, and blocks that do not decode, raise the stream read error; the
// output never grows by more than one piece per chunk.
std::vector<uint8_t> ReadCompressedStream(TStream& stream);
