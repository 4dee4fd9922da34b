#include <windows.h>

#include <algorithm>

#include "base/exceptions.h"
#include "base/filestream.h"
#include "base/handles_win.h"
#include "base/strings.h"

struct TFileStream::Impl {
    UniqueFile file;
};

TFileStream::TFileStream(const std::string& file_name) : impl_(std::make_unique<Impl>()) {
    // Deny-write sharing: others may read the file while it is loaded, nobody may change it.
    impl_->file.reset(CreateFileA(file_name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!impl_->file)
        throw EFOpenError(FmtLoadStr(StrId::SFOpenError, file_name.c_str()));
}

TFileStream::~TFileStream() = default;

size_t TFileStream::Read(void* buffer, size_t count) {
    auto* bytes = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        // ReadFile takes a 32-bit count; large reads go in pieces.
        const DWORD piece = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(impl_->file.get(), bytes + done, piece, &got, nullptr) || got == 0)
            break;
        done += got;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    const DWORD method = origin == TSeekOrigin::soBeginning ? FILE_BEGIN
                         : origin == TSeekOrigin::soCurrent ? FILE_CURRENT
                                                            : FILE_END;
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(impl_->file.get(), distance, &position, method))
        return -1;
    return position.QuadPart;
}
