#pragma once
// Builds small icon files in memory for the tests: each image is 4 bits per pixel, painted all
// in one colour, with an opaque mask.

#include <cstdint>
#include <vector>

namespace testico {

struct Image {
    uint8_t width = 32;
    uint8_t height = 32;
    uint16_t colors = 16;      // the directory's colours word
    uint32_t rgb = 0xFF0000;   // the image's colour, 0x00RRGGBB
    int32_t headerWidth = -1;  // the image header's width when not the entry's (-1)
};

inline void Put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The image data: header (height doubled), 16 colours, colour pixels of index 1, mask of zeros.
inline std::vector<uint8_t> ImageData(const Image& image) {
    const uint32_t width = image.headerWidth >= 0 ? static_cast<uint32_t>(image.headerWidth) : image.width;
    std::vector<uint8_t> out;
    Put(out, 40, 4);
    Put(out, width, 4);
    Put(out, uint32_t{image.height} * 2, 4);
    Put(out, 1, 2);
    Put(out, 4, 2);
    Put(out, 0, 4);
    Put(out, 0, 4);
    out.resize(40, 0);
    for (int i = 0; i < 16; ++i)
        Put(out, i == 1 ? image.rgb : 0x808080, 4);  // RGBQUAD: blue first
    const uint32_t colorRow = ((width * 4 + 31) / 32) * 4;
    const uint32_t maskRow = ((width + 31) / 32) * 4;
    out.insert(out.end(), colorRow * image.height, 0x11);
    out.insert(out.end(), maskRow * image.height, 0x00);
    return out;
}

inline std::vector<uint8_t> Build(const std::vector<Image>& images, uint16_t type = 1) {
    std::vector<uint8_t> out;
    Put(out, 0, 2);
    Put(out, type, 2);
    Put(out, images.size(), 2);
    std::vector<std::vector<uint8_t>> data;
    uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
    for (const Image& image : images) {
        data.push_back(ImageData(image));
        out.push_back(image.width);
        out.push_back(image.height);
        Put(out, image.colors, 2);
        Put(out, 1, 2);
        Put(out, 4, 2);
        Put(out, data.back().size(), 4);
        Put(out, offset, 4);
        offset += static_cast<uint32_t>(data.back().size());
    }
    for (const auto& d : data)
        out.insert(out.end(), d.begin(), d.end());
    return out;
}

}  // namespace testico
