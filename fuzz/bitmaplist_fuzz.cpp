// Fuzzes the bitmap list's readers of outside bytes: the LZRW1/KH block decoder, the compressed
// stream, the item record and the container record. The first byte chooses the reader. Besides the
// sanitizers, it checks that the encoder's output decodes to its input, and that a container whose
// load fails keeps its items.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/exceptions.h"
#include "base/memorystream.h"
#include "fuzz/check.h"
#include "widgets/compressedstream.h"
#include "widgets/container.h"
#include "widgets/itemrecord.h"
#include "widgets/lzrw1kh.h"

namespace {

void FuzzBlock(const std::vector<uint8_t>& bytes) {
    // Taken once: a fresh 32 KB buffer for every run cost more than the decoding.
    static std::vector<uint8_t> output(kLzrwPieceSize);
    try {
        const size_t length = LzrwDecompress(bytes.data(), bytes.size(), output.data(), output.size());
        Check(length <= kLzrwPieceSize);
    } catch (const EReadError&) {
    }
}

void FuzzRoundTrip(const std::vector<uint8_t>& bytes) {
    const size_t size = std::min(bytes.size(), kLzrwPieceSize);
    // Exactly as large as the encoder may use, so that the sanitizer sees any overshoot.
    std::vector<uint8_t> block(LzrwBlockCapacity(size));
    const size_t length = LzrwCompress(bytes.data(), size, block.data());
    Check(length <= size + 1);
    std::vector<uint8_t> output(size);
    Check(LzrwDecompress(block.data(), length, output.data(), output.size()) == size);
    Check(std::equal(output.begin(), output.end(), bytes.begin()));
}

void FuzzStream(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    try {
        ReadCompressedStream(stream);
    } catch (const EReadError&) {
    }
}

void FuzzRecord(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    try {
        const TLMDItemRecord record = ReadItemRecord(stream);
        Check(record.hasData || record.data.empty());
    } catch (const EReadError&) {
    }
}

void FuzzContainer(const std::vector<uint8_t>& bytes) {
    TLMDCustomContainer list(nullptr);
    list.GetItem(list.Add())->Description = "kept";
    TMemoryStream stream(bytes);
    try {
        list.LoadFromStream(stream);
    } catch (const EReadError&) {
        Check(list.Count() == 1 && list.GetItem(0)->Description == "kept");
        Check(list.ComponentCount() == 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::vector<uint8_t> bytes(data + 1, data + size);
    switch (data[0] % 5) {
        case 0:
            FuzzBlock(bytes);
            break;
        case 1:
            FuzzRoundTrip(bytes);
            break;
        case 2:
            FuzzStream(bytes);
            break;
        case 3:
            FuzzRecord(bytes);
            break;
        default:
            FuzzContainer(bytes);
            break;
    }
    return 0;
}
