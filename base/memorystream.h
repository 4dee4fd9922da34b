#pragma once
// A stream over bytes held in memory; it grows as it is written.

#include <cstdint>
#include <vector>

#include "base/stream.h"

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    // Writes count bytes at the position, growing the stream as needed (the position must be
    // addressable in memory).
    void Write(const void* buffer, size_t count);
    // Appends everything from the source's position to its end, leaving this stream's position alone.
    void AppendRest(TStream& source);

    const uint8_t* Memory() const { return bytes_.data(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    uint64_t position_ = 0;
};
