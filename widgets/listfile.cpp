#include "widgets/listfile.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "base/exceptions.h"
#include "base/strings.h"
#include "widgets/streamfields.h"

const char* ListFileSignature(TLMDListItemClassType type) {
    static const char* const signatures[] = {
        "IMAGLIST\x01",  // icImageList
        "BMPLIST_\x01",  // icBitmap
        "WAVELIST\x01",  // icWave
        "STRGLIST\x01",  // icStringList
        "GENRLIST\x01",  // icGeneric
        "RTF_LIST\x01",  // icRTF
        "INVALID_\x01",  // icInvalid
    };
    return signatures[type <= icInvalid ? type : icInvalid];
}

bool ReadListSignature(TStream& stream, TLMDListItemClassType type) {
    char signature[kListSignatureSize] = {};
    return stream.Read(signature, kListSignatureSize) == kListSignatureSize &&
           std::memcmp(signature, ListFileSignature(type), kListSignatureSize) == 0;
}

uint32_t ReadListCount(TStream& stream, bool positionTable) {
    const uint32_t count = ReadU32(stream);
    const uint64_t perItem = positionTable ? 5 : 1;
    if (count > BytesLeft(stream) / perItem)
        ThrowReadError();
    if (positionTable)
        stream.Seek(4 * static_cast<int64_t>(count), TSeekOrigin::soCurrent);
    return count;
}

void WriteListItems(TMemoryStream& stream,
                    size_t count,
                    bool positionTable,
                    const std::function<void(size_t index)>& writeRecord) {
    WriteU32(stream, static_cast<uint32_t>(count));
    const int64_t tableAt = stream.Position();
    std::vector<uint32_t> positions;
    if (positionTable)
        for (size_t i = 0; i < count; ++i)
            WriteU32(stream, 0);  // filled in below
    for (size_t i = 0; i < count; ++i) {
        positions.push_back(static_cast<uint32_t>(stream.Position()));
        writeRecord(i);
    }
    if (!positionTable)
        return;
    const int64_t end = stream.Position();
    stream.SetPosition(tableAt);
    for (uint32_t position : positions)
        WriteU32(stream, position);
    stream.SetPosition(end);
}

void SaveStreamToFile(const TMemoryStream& stream, const std::string& fileName) {
    // C stdio rather than a file stream: the stream classes would bring the whole locale machinery
    // of the C++ library into the program (several hundred kilobytes and start-up work).
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (!file)
        throw EFCreateError(FmtLoadStr(StrId::SFCreateError, fileName.c_str()));
    const size_t size = stream.Bytes().size();
    const bool written = std::fwrite(stream.Memory(), 1, size, file) == size;
    if (std::fclose(file) != 0 || !written)
        throw EFCreateError(FmtLoadStr(StrId::SFCreateError, fileName.c_str()));
}
