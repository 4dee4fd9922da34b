#pragma once
// Byte streams for reading image files: a file stream and a memory stream share this interface.
// Reads report how many bytes they got; ReadBuffer insists on all of them.

#include <cstddef>
#include <cstdint>

enum class TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes into buffer; returns how many were read (0 at the end).
    virtual size_t Read(void* buffer, size_t count) = 0;
    // Moves the position and returns the new one, counted from the stream's start.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    int64_t Size();

    // Reads exactly count bytes; a shorter read raises EReadError "Stream read error".
    void ReadBuffer(void* buffer, size_t count);
};
