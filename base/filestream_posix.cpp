// The file stream on other hosts, for the native tests and the fuzzer.
#include <cstdio>

#include "base/exceptions.h"
#include "base/filestream.h"
#include "base/strings.h"

struct TFileStream::Impl {
    std::FILE* file = nullptr;
    ~Impl() {
        if (file)
            std::fclose(file);
    }
};

TFileStream::TFileStream(const std::string& file_name) : impl_(std::make_unique<Impl>()) {
    impl_->file = std::fopen(file_name.c_str(), "rb");
    if (!impl_->file)
        throw EFOpenError(FmtLoadStr(StrId::SFOpenError, file_name.c_str()));
}

TFileStream::~TFileStream() = default;

size_t TFileStream::Read(void* buffer, size_t count) {
    return std::fread(buffer, 1, count, impl_->file);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                          : SEEK_END;
    if (fseeko(impl_->file, static_cast<off_t>(offset), whence) != 0)
        return -1;
    return static_cast<int64_t>(ftello(impl_->file));
}
