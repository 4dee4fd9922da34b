#include "widgets/itemrecord.h"

#include <algorithm>

#include "widgets/compressedstream.h"
#include "widgets/streamfields.h"

namespace {
enum : uint8_t {
    kCompressed = 0x01,
    kDescription = 0x02,
    kIdent = 0x04,
    kData = 0x08,
    kMono = 0x10,
    k4Bit = 0x20,
    k8Bit = 0x40,
};

}  // namespace

TLMDItemRecord ReadItemRecord(TStream& stream) {
    TLMDItemRecord record;
    const uint8_t flags = ReadU8(stream);
    record.compressed = (flags & kCompressed) != 0;
    if (flags & kDescription) {
        const uint8_t length = ReadU8(stream);
        RequireBytes(stream, length);
        record.description.resize(length);
        stream.ReadBuffer(record.description.data(), length);
    }
    if (flags & kIdent)
        record.ident = static_cast<uint16_t>(ReadU32(stream));
    record.pixelFormat = (flags & kMono) ? spfMono : (flags & k4Bit) ? spf4bit : (flags & k8Bit) ? spf8bit : spfDefault;
    if (flags & kData) {
        record.hasData = true;
        if (record.compressed) {
            record.data = ReadCompressedStream(stream);
        } else {
            const uint32_t count = ReadU32(stream);
            RequireBytes(stream, count);
            record.data.resize(count);
            stream.ReadBuffer(record.data.data(), count);
        }
    }
    return record;
}

void WriteItemRecord(TMemoryStream& stream, const TLMDItemRecord& record) {
    const size_t descriptionLength = std::min<size_t>(record.description.size(), 255);
    uint8_t flags = record.compressed ? kCompressed : 0;
    if (descriptionLength)
        flags |= kDescription;
    if (record.ident)
        flags |= kIdent;
    if (record.hasData)
        flags |= kData;
    static constexpr uint8_t kFormatBits[] = {0, kMono, k4Bit, k8Bit};
    flags |= kFormatBits[record.pixelFormat & 3];
    stream.Write(&flags, 1);
    if (descriptionLength) {
        const uint8_t length = static_cast<uint8_t>(descriptionLength);
        stream.Write(&length, 1);
        stream.Write(record.description.data(), descriptionLength);
    }
    if (record.ident)
        WriteU32(stream, record.ident);
    if (!record.hasData)
        return;
    if (record.compressed) {
        WriteCompressedStream(stream, record.data.data(), record.data.size());
    } else {
        WriteU32(stream, static_cast<uint32_t>(record.data.size()));
        stream.Write(record.data.data(), record.data.size());
    }
}
