#pragma once
// Reading Windows icon files (ICO): the header, the image directory, the choice of the image that
// suits a target size and screen best, and the layout of the chosen image's colour and mask parts.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/stream.h"

constexpr uint32_t kIconHeaderSize = 6;
constexpr uint32_t kIconEntrySize = 16;
// Colour value for "more colours than any count": entries with a colours word of 0, and screens of
// more than 8 bits per pixel.
constexpr int32_t kManyColors = 2147483647;

struct TIconHeader {
    uint16_t reserved = 0;
    uint16_t type = 0;  // 1 for icons; 0 stands for the system's default application icon
    uint16_t count = 0;
};

struct TIconEntry {
    uint8_t width = 0;
    uint8_t height = 0;
    uint16_t colors = 0;  // the colour-count byte and the reserved byte after it, as one word
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t dataSize = 0;
    uint32_t dataOffset = 0;  // from the start of the file
};

// Reads the 6-byte header: fewer bytes raise EReadError "Stream read error"; a type other than 0
// or 1, or an icon (type 1) without images, raises EInvalidGraphic "Icon image is not valid".
TIconHeader ReadIconHeader(TStream& stream);

// Reads the header and the directory from the start of the file. A directory cut short raises
// EReadError; an entry whose data lies outside the file raises EInvalidGraphic.
std::vector<TIconEntry> ReadIconDirectory(TStream& file);

// The number of colours a screen shows: 2^(planes x bits) up to 8 bits, else kManyColors.
int32_t ScreenColors(int planes, int bitsPerPixel);

// An entry's colour value: its colours word, with 0 read as kManyColors.
int32_t ColorValue(const TIconEntry& entry);

// Whether an offset d from the target size is at least as good as the current choice's d0.
bool SizeAtLeastAsGood(int d, int d0);

// The index of the entry to use for the target size and screen colours. Later entries that tie
// win. entries must not be empty.
size_t ChooseIconImage(const std::vector<TIconEntry>& entries, int targetWidth, int targetHeight, int32_t screenColors);

// The chosen image's data, laid out for the system.
struct TIconImage {
    int width = 0;  // the icon's size: the entry's width and height
    int height = 0;
    // The colour part's header (height halved, image size recomputed) and colour table, with room
    // to spare, so the system never reads past it whatever the header says.
    std::vector<uint8_t> colorInfo;
    // The mask's header: 1 bit per pixel, colours black and white.
    std::vector<uint8_t> maskInfo;
    // The image data, zero-filled up to the end of the mask when the entry is shorter.
    std::vector<uint8_t> data;
    size_t colorPixels = 0;  // offsets into data
    uint64_t colorBytes = 0;
    size_t maskPixels = 0;
    uint64_t maskBytes = 0;
};

// Most bytes of colour or mask pixels an icon image may have; more raise EOutOfResources "Out of system resources".
constexpr uint64_t kMaxIconImageBytes = 16ull << 20;

// Lays out the entry's image from the whole file's bytes.
TIconImage ReadIconImage(const std::vector<uint8_t>& file, const TIconEntry& entry);
