// Loading a large background bitmap: TBitmap against the system's own file loader and against
// just reading the file's bytes, all in one process.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/handles_win.h"
#include "harness.h"
#include "shell/bitmap_win.h"
#include "tests/common/tempfile.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 24-bit bottom-up bitmap file with a colour gradient.
std::vector<uint8_t> MakeBitmapFile() {
    const uint32_t row = (kWidth * 3 + 3) & ~3u;
    const uint32_t pixels = row * kHeight;
    std::vector<uint8_t> file;
    file.reserve(54 + pixels);
    file.push_back('B');
    file.push_back('M');
    Put(file, 54 + pixels, 4);
    Put(file, 0, 4);
    Put(file, 54, 4);
    Put(file, 40, 4);
    Put(file, kWidth, 4);
    Put(file, kHeight, 4);
    Put(file, 1, 2);
    Put(file, 24, 2);
    for (int i = 0; i < 6; ++i)
        Put(file, 0, 4);
    file.resize(54 + pixels);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            uint8_t* p = &file[54 + y * row + x * 3];
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
            p[2] = static_cast<uint8_t>(x + y);
        }
    return file;
}

}  // namespace

int main() {
    const std::vector<uint8_t> bytes = MakeBitmapFile();
    const TTempFile bitmap(bytes, ".bmp");
    const std::string& path = bitmap.path();
    std::printf("loading a %d x %d 24-bit bitmap (%zu bytes)\n", kWidth, kHeight, bytes.size());

    std::vector<uint8_t> buffer(bytes.size());
    const double readFile = bench::BestSeconds(
        [&] {
            UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD got = 0;
            ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr);
        },
        5, 3);
    // The same read into memory fresh from the system, as a new bitmap's pixels are: the first
    // touch of each page has its own cost, which every loader pays.
    const double readFresh = bench::BestSeconds(
        [&] {
            void* memory = VirtualAlloc(nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
            UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD got = 0;
            ReadFile(file.get(), memory, static_cast<DWORD>(bytes.size()), &got, nullptr);
            VirtualFree(memory, 0, MEM_RELEASE);
        },
        5, 3);
    const double loadImage = bench::BestSeconds(
        [&] {
            UniqueBitmap bitmap(static_cast<HBITMAP>(
                LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
            if (!bitmap)
                std::printf("LoadImageA failed\n");
        },
        5, 3);
    const double tbitmap = bench::BestSeconds(
        [&] {
            TBitmap bitmap;
            bitmap.LoadFromFile(path);
        },
        5, 3);

    bench::Report("ReadFile of the bytes", readFile, readFile, "ReadFile");
    bench::Report("ReadFile into fresh memory", readFresh, readFile, "ReadFile");
    bench::Report("LoadImageA (LR_LOADFROMFILE | LR_CREATEDIBSECTION)", loadImage, readFile, "ReadFile");
    bench::Report("TBitmap::LoadFromFile", tbitmap, readFile, "ReadFile");
    bench::Report("TBitmap::LoadFromFile", tbitmap, readFresh, "ReadFile into fresh memory");
    bench::Report("TBitmap::LoadFromFile", tbitmap, loadImage, "LoadImageA");
    DeleteFileA(path.c_str());
    return 0;
}
