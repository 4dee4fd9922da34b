// The compressed stream's speed on bitmap-like data, against copying the same bytes with memcpy.
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/memorystream.h"
#include "harness.h"
#include "widgets/compressedstream.h"

namespace {
// A 24-bit 640 x 480 picture of soft gradients with flat areas, as a menu background would be.
std::vector<uint8_t> Picture() {
    std::vector<uint8_t> data;
    data.reserve(640 * 480 * 3);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool flat = (x / 80 + y / 60) % 3 == 0;
            data.push_back(flat ? 200 : static_cast<uint8_t>(x / 3));
            data.push_back(flat ? 200 : static_cast<uint8_t>(y / 2));
            data.push_back(flat ? 200 : static_cast<uint8_t>((x + y) / 5));
        }
    return data;
}
}  // namespace

int main() {
    const std::vector<uint8_t> data = Picture();
    std::vector<uint8_t> copy(data.size());
    const double baseline = bench::BestSeconds([&] { std::memcpy(copy.data(), data.data(), data.size()); }, 50);
    TMemoryStream packed;
    WriteCompressedStream(packed, data.data(), data.size());
    const double encode = bench::BestSeconds([&] {
        TMemoryStream stream;
        WriteCompressedStream(stream, data.data(), data.size());
    });
    const double decode = bench::BestSeconds([&] {
        packed.SetPosition(0);
        ReadCompressedStream(packed);
    });
    std::printf("921600-byte picture compressed to %zu bytes (%.1f%%)\n", packed.Bytes().size(),
                100.0 * static_cast<double>(packed.Bytes().size()) / static_cast<double>(data.size()));
    bench::Report("compress 640 x 480 x 24-bit", encode, baseline, "memcpy");
    bench::Report("decompress 640 x 480 x 24-bit", decode, baseline, "memcpy");
    return 0;
}
