#pragma once
// Little-endian fields of the list formats. Reading takes untrusted bytes: every failure, a short
// stream or a length the rest of the stream cannot hold, is the stream read error.

#include <cstdint>

#include "base/memorystream.h"
#include "base/stream.h"

[[noreturn]] void ThrowReadError();

// The bytes between the stream's position and its end (0 when the position is past the end).
uint64_t BytesLeft(TStream& stream);
// Raises the read error unless at least count bytes are left.
void RequireBytes(TStream& stream, uint64_t count);

uint8_t ReadU8(TStream& stream);
uint32_t ReadU32(TStream& stream);

void WriteU32(TMemoryStream& stream, uint32_t value);
