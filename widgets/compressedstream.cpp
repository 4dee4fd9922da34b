#include "widgets/compressedstream.h"

#include <algorithm>

#include "widgets/lzrw1kh.h"
#include "widgets/streamfields.h"

void WriteCompressedStream(TMemoryStream& stream, const uint8_t* data, size_t size) {
    const int64_t totalAt = stream.Position();
    WriteU32(stream, 0);  // the total, filled in below
    std::vector<uint8_t> block(LzrwBlockCapacity(kLzrwPieceSize));
    uint64_t total = 0;
    for (size_t done = 0; done < size;) {
        const size_t piece = std::min(size - done, kLzrwPieceSize);
        const size_t length = LzrwCompress(data + done, piece, block.data());
        WriteU32(stream, static_cast<uint32_t>(length));
        stream.Write(block.data(), length);
        total += 4 + length;
        done += piece;
    }
    const int64_t end = stream.Position();
    stream.SetPosition(totalAt);
    WriteU32(stream, static_cast<uint32_t>(total));
    stream.SetPosition(end);
}

std::vector<uint8_t> ReadCompressedStream(TStream& stream) {
    uint64_t total = ReadU32(stream);
    RequireBytes(stream, total);
    std::vector<uint8_t> data;
    std::vector<uint8_t> block;
    while (total > 0) {
        if (total < 4)
            ThrowReadError();
        const uint32_t length = ReadU32(stream);
        total -= 4;
        if (length == 0 || length > total || length > kLzrwPieceSize + 1)
            ThrowReadError();
        block.resize(length);
        stream.ReadBuffer(block.data(), length);
        total -= length;
        const size_t at = data.size();
        data.resize(at + kLzrwPieceSize);
        data.resize(at + LzrwDecompress(block.data(), length, data.data() + at, kLzrwPieceSize));
    }
    return data;
}
