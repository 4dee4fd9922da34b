#pragma once
// A throw-away disc folder for running the menu program as a real process: a temporary folder
// holding a copy of the program, a menu.ini and image files, removed again at the end of the test.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/common/bmpbuilder.h"
#include "tests/common/tempfile.h"

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
    std::optional<TTempFolder> owned_;  // none for an existing folder
    std::string path_;
};

// --- implementation of the template ------------------------------------------------------------
template <typename PixelFn>
Bytes MakeBmp24(int width, int height, PixelFn pixel) {
    testbmp::BmpFields fields;
    fields.width = width;
    fields.height = height;
    fields.bitCount = 24;
    const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    fields.pixels.assign(row * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* out = &fields.pixels[row * static_cast<size_t>(height - 1 - y)];  // bottom-up rows
        for (int x = 0; x < width; ++x, out += 3) {
            const uint32_t rgb = pixel(x, y);
            out[0] = static_cast<uint8_t>(rgb);
            out[1] = static_cast<uint8_t>(rgb >> 8);
            out[2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return testbmp::Build(fields);
}
