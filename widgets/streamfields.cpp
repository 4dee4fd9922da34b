#include "widgets/streamfields.h"

#include "base/bytes.h"
#include "base/exceptions.h"
#include "base/strings.h"

void ThrowReadError() {
    throw EReadError(LoadStr(StrId::SReadError));
}

uint64_t BytesLeft(TStream& stream) {
    const int64_t left = stream.Size() - stream.Position();
    return left > 0 ? static_cast<uint64_t>(left) : 0;
}

void RequireBytes(TStream& stream, uint64_t count) {
    if (BytesLeft(stream) < count)
        ThrowReadError();
}

uint8_t ReadU8(TStream& stream) {
    uint8_t value = 0;
    stream.ReadBuffer(&value, 1);
    return value;
}

uint32_t ReadU32(TStream& stream) {
    uint8_t bytes[4];
    stream.ReadBuffer(bytes, 4);
    return GetU32(bytes);
}

void WriteU32(TMemoryStream& stream, uint32_t value) {
    uint8_t bytes[4];
    PutU32(bytes, value);
    stream.Write(bytes, 4);
}
