#pragma once
// The stored form of one list item:
//   flags byte: bit 0 compressed, bit 1 a description follows, bit 2 an ident follows, bit 3 data
//               follows, bits 4 to 6 the pixel format (mono, 4-bit, 8-bit; none for the default);
//   description: one length byte and that many characters;
//   ident: 32-bit little-endian (kept in 16 bits);
//   data: a 32-bit little-endian byte count and the bytes, or, when compressed, a compressed stream.

#include <cstdint>
#include <string>
#include <vector>

#include "base/memorystream.h"
#include "base/stream.h"
#include "widgets/listtypes.h"

struct TLMDItemRecord {
    bool compressed = false;
    std::string description;
    uint16_t ident = 0;
    TLMDSavePixelFormat pixelFormat = spfDefault;
    bool hasData = false;
    std::vector<uint8_t> data;  // uncompressed
};

// Reads one record from the stream's position. Lengths and counts the rest of the stream cannot hold
// raise the stream read error before anything is allocated for them.
TLMDItemRecord ReadItemRecord(TStream& stream);

// Appends the record to the stream (a description longer than 255 characters is cut to 255).
void WriteItemRecord(TMemoryStream& stream, const TLMDItemRecord& record);
