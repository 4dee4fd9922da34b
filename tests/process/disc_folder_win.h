#pragma once
// A throw-away disc folder for running the menu program as a real process: a temporary folder
// holding a copy of the program, a menu.ini and image files, removed again at the end of the test.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A 24-bit bottom-up BMP file of the given size; pixel(x, y) gives 0x00RRGGBB for each pixel.
template <typename PixelFn>
Bytes MakeBmp24(int width, int height, PixelFn pixel);

class DiscFolder {
public:
    DiscFolder();  // a new temporary folder
    // An existing folder, such as a drive's root; its files are removed at the end, not the folder.
    explicit DiscFolder(std::string existingFolder);
    ~DiscFolder();
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    // The folder's full path, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + name; }

    void Write(const std::string& name, const Bytes& bytes) const;
    void WriteText(const std::string& name, const std::string& text) const;
    // Copies the menu program built beside the tests into the folder under the given name.
    void CopyProgram(const std::string& name = "menu.exe") const;

private:
    std::string path_;
    bool ownsFolder_ = true;
};

// --- implementation of the template ------------------------------------------------------------
void PutLe16(Bytes& out, uint32_t value);
void PutLe32(Bytes& out, uint32_t value);

template <typename PixelFn>
Bytes MakeBmp24(int width, int height, PixelFn pixel) {
    const uint32_t row = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t image = row * static_cast<uint32_t>(height);
    Bytes out;
    out.reserve(54 + image);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, 54 + image);
    PutLe32(out, 0);
    PutLe32(out, 54);
    PutLe32(out, 40);
    PutLe32(out, static_cast<uint32_t>(width));
    PutLe32(out, static_cast<uint32_t>(height));
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0);
    PutLe32(out, image);
    for (int i = 0; i < 4; ++i) PutLe32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = pixel(x, y);
            out.push_back(static_cast<uint8_t>(rgb));
            out.push_back(static_cast<uint8_t>(rgb >> 8));
            out.push_back(static_cast<uint8_t>(rgb >> 16));
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < row; ++pad) out.push_back(0);
    }
    return out;
}
