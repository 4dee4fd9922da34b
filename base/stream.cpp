#include "base/stream.h"

#include "base/exceptions.h"
#include "base/strings.h"

int64_t TStream::Size() {
    const int64_t position = Position();
    const int64_t size = Seek(0, TSeekOrigin::soEnd);
    SetPosition(position);
    return size;
}

void TStream::ReadBuffer(void* buffer, size_t count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    size_t done = 0;
    while (done < count) {
        const size_t got = Read(bytes + done, count - done);
        if (got == 0)
            throw EReadError(LoadStr(StrId::SReadError));
        done += got;
    }
}
