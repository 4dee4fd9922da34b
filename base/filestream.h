#pragma once
// A read-only stream over a file that other programs may read but not write while it is open.

#include <memory>
#include <string>

#include "base/stream.h"

class TFileStream : public TStream {
public:
    // Opens the named file for reading; failure raises EFOpenError "Cannot open file %s".
    explicit TFileStream(const std::string& file_name);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    size_t Read(void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
