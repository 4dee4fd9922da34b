#include "base/memorystream.h"

#include <algorithm>
#include <cstring>
#include <limits>

size_t TMemoryStream::Read(void* buffer, size_t count) {
    if (position_ >= bytes_.size())
        return 0;
    const size_t at = static_cast<size_t>(position_);
    const size_t got = std::min(count, bytes_.size() - at);
    std::memcpy(buffer, bytes_.data() + at, got);
    position_ += got;
    return got;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = static_cast<int64_t>(position_);
    if (origin == TSeekOrigin::soEnd)
        base = static_cast<int64_t>(bytes_.size());
    // A position before the start is clamped to it, one past the largest to that; a position
    // past the end reads nothing.
    int64_t target;
    if (offset < 0)
        target = offset < -base ? 0 : base + offset;
    else
        target =
            offset > std::numeric_limits<int64_t>::max() - base ? std::numeric_limits<int64_t>::max() : base + offset;
    position_ = static_cast<uint64_t>(target);
    return target;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0)
        return;
    const size_t at = static_cast<size_t>(position_);
    if (bytes_.size() < at + count)
        bytes_.resize(at + count);
    std::memcpy(bytes_.data() + at, buffer, count);
    position_ += count;
}

void TMemoryStream::AppendRest(TStream& source) {
    const int64_t rest = source.Size() - source.Position();
    if (rest > 0)
        bytes_.reserve(bytes_.size() + static_cast<size_t>(rest));
    uint8_t chunk[65536];
    for (;;) {
        const size_t got = source.Read(chunk, sizeof chunk);
        if (got == 0)
            break;
        bytes_.insert(bytes_.end(), chunk, chunk + got);
    }
}
