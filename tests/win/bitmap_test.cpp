#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/exceptions.h"
#include "base/filestream.h"
#include "base/handles_win.h"
#include "shell/bitmap_win.h"
#include "tests/common/bmpbuilder.h"
#include "tests/common/imagetest_win.h"
#include "tests/common/tempfile.h"

namespace {

using TempFile = TTempFile;
using testbmp::BmpFields;
using testbmp::Build;

// Counts change notifications.
struct ChangeCounter {
    explicit ChangeCounter(TBitmap& bitmap) {
        bitmap.OnChange = [this] { ++count; };
    }
    int count = 0;
};

template <typename E>
std::string LoadError(TBitmap& bitmap, const std::vector<uint8_t>& file) {
    TempFile temp(file);
    try {
        bitmap.LoadFromFile(temp.path());
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}

// The expected pixel of testbmp::Rgb24 at (x, y), as 0x00RRGGBB.
uint32_t Rgb24Pixel(int x, int y) {
    return 0x800000u | static_cast<uint32_t>(y) << 8 | static_cast<uint32_t>(x);
}

TEST(BitmapLoad, Rgb24WithImageSizeZero) {
    TBitmap bitmap;
    ChangeCounter changes(bitmap);
    TempFile file(Build(testbmp::Rgb24(5, 3)));
    bitmap.LoadFromFile(file.path());
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_FALSE(bitmap.Empty());
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(bitmap.Palette(), nullptr);
    EXPECT_EQ(bitmap.CompressedData(), nullptr);
    const std::vector<uint32_t> pixels = imagetest::ReadBackRgb(bitmap.Handle(), 5, 3);
    ASSERT_EQ(pixels.size(), 15u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixels[y * 5 + x], Rgb24Pixel(x, y)) << x << "," << y;
    // A DIB section: the system describes it with its header.
    EXPECT_NE(bitmap.Description()->dsBm.bmBits, nullptr);
    EXPECT_EQ(bitmap.Description()->dsBmih.biXPelsPerMeter, 2835);
}

TEST(BitmapLoad, TopDownReportsAPositiveHeight) {
    BmpFields s = testbmp::Rgb24(4, 3);
    s.height = -3;  // the same rows, now read as top row first
    TBitmap bitmap;
    TempFile file(Build(s));
    bitmap.LoadFromFile(file.path());
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 3);
    const std::vector<uint32_t> pixels = imagetest::ReadBackRgb(bitmap.Handle(), 4, 3);
    ASSERT_EQ(pixels.size(), 12u);
    EXPECT_EQ(pixels[0], Rgb24Pixel(0, 2));
    EXPECT_EQ(pixels[11], Rgb24Pixel(3, 0));
}

TEST(BitmapLoad, CoreHeaderWithThreeByteColours) {
    BmpFields s;
    s.headerSize = 12;
    s.width = 2;
    s.height = 1;
    s.bitCount = 1;
    s.colorTable = {0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0};  // blue, green, red
    s.pixels = {0x40, 0, 0, 0};                           // colour 0, then colour 1
    TBitmap bitmap;
    TempFile file(Build(s));
    bitmap.LoadFromFile(file.path());
    EXPECT_TRUE(bitmap.IsOS2());
    EXPECT_EQ(imagetest::ReadBackRgb(bitmap.Handle(), 2, 1), (std::vector<uint32_t>{0x302010, 0xC0B0A0}));
}

TEST(BitmapLoad, Rle8BecomesADeviceDependentBitmapAndKeepsItsData) {
    BmpFields s;
    s.bitCount = 8;
    s.compression = 1;  // BI_RLE8
    s.width = 4;
    s.height = 2;
    s.colorTable = testbmp::Palette(2);
    s.clrUsed = 2;
    s.pixels = {4, 1, 0, 0, 2, 0, 2, 1, 0, 1};  // row 0: four of colour 1; row 1: 0, 0, 1, 1
    s.sizeImage = static_cast<uint32_t>(s.pixels.size());
    const std::vector<uint8_t> bytes = Build(s);
    TBitmap bitmap;
    TempFile file(bytes);
    bitmap.LoadFromFile(file.path());
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Description()->dsBm.bmBits, nullptr);  // not a DIB section
    ASSERT_NE(bitmap.CompressedData(), nullptr);
    EXPECT_EQ(bitmap.CompressedData()->Bytes(), std::vector<uint8_t>(bytes.begin() + 14, bytes.end()));
    EXPECT_NE(bitmap.Palette(), nullptr);
    const uint32_t c0 = 0x00FF00, c1 = 0x00FE01;  // Palette(): (blue i, green 255 - i, red i / 2)
    EXPECT_EQ(imagetest::ReadBackRgb(bitmap.Handle(), 4, 2), (std::vector<uint32_t>{c0, c0, c1, c1, c1, c1, c1, c1}));
}

TEST(BitmapLoad, PaletteOnlyForTrueColourWithAColourTable) {
    BmpFields s = testbmp::Rgb24(2, 2);
    s.clrUsed = 3;
    s.colorTable = testbmp::Palette(3);
    TBitmap bitmap;
    TempFile withTable(Build(s));
    bitmap.LoadFromFile(withTable.path());
    ASSERT_NE(bitmap.Palette(), nullptr);
    PALETTEENTRY entries[4] = {};
    EXPECT_EQ(GetPaletteEntries(bitmap.Palette(), 0, 4, entries), 3u);
    EXPECT_EQ(entries[2].peRed, 1);
    EXPECT_EQ(entries[2].peGreen, 253);
    EXPECT_EQ(entries[2].peBlue, 2);

    BmpFields paletted;
    paletted.bitCount = 8;
    paletted.colorTable = testbmp::Palette(256);
    paletted.pixels.assign(8, 7);
    TempFile eightBit(Build(paletted));
    bitmap.LoadFromFile(eightBit.path());
    EXPECT_EQ(bitmap.Palette(), nullptr);
}

TEST(BitmapLoad, ZeroLengthFileEmptiesWithoutNotification) {
    TBitmap bitmap;
    TempFile picture(Build(testbmp::Rgb24(2, 2)));
    bitmap.LoadFromFile(picture.path());
    ChangeCounter changes(bitmap);
    TempFile empty(std::vector<uint8_t>{});
    bitmap.LoadFromFile(empty.path());
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    EXPECT_EQ(changes.count, 0);
}

TEST(BitmapLoad, StreamLoadStartsAtThePosition) {
    std::vector<uint8_t> bytes(9, 0x77);
    const std::vector<uint8_t> picture = Build(testbmp::Rgb24(3, 2));
    bytes.insert(bytes.end(), picture.begin(), picture.end());
    TMemoryStream stream(bytes);
    stream.SetPosition(9);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(imagetest::ReadBackRgb(bitmap.Handle(), 3, 2)[4], Rgb24Pixel(1, 1));
}

TEST(BitmapErrors, MissingFileNamesTheFile) {
    TBitmap bitmap;
    const std::string name = imagetest::DataPath("no such folder\\missing.bmp");
    try {
        bitmap.LoadFromFile(name);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + name);
    }
}

TEST(BitmapErrors, FileLockedAgainstReadingCannotBeOpened) {
    TempFile picture(Build(testbmp::Rgb24(2, 2)));
    UniqueFile lock(CreateFileA(picture.path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromFile(picture.path()), EFOpenError);
}

TEST(BitmapErrors, OneToThirteenBytesAreStreamReadErrors) {
    const std::vector<uint8_t> full = Build(testbmp::Rgb24(2, 2));
    for (size_t size = 1; size <= 13; ++size) {
        TBitmap bitmap;
        EXPECT_EQ(LoadError<EReadError>(bitmap, std::vector<uint8_t>(full.begin(), full.begin() + size)),
                  "Stream read error")
            << size;
    }
}

// A picture of several megabytes is read in pieces: every byte lands where it belongs, and of a
// file cut short anywhere in its pixels (in the first piece, just past a piece, one byte short) the
// bytes that are there are loaded and the rest of the picture is black.
TEST(BitmapMended, LargePixelBlockArrivesWholeOrAsFarAsTheFileGoes) {
    BmpFields s = testbmp::Rgb24(1000, 900);  // 2.7 MB of pixels
    for (size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = static_cast<uint8_t>(i * 13 / 7 + 1);
    const std::vector<uint8_t> full = Build(s);
    const size_t pixelsAt = full.size() - s.pixels.size();
    for (size_t keep : {s.pixels.size(), size_t{5000}, size_t{1} << 20, (size_t{1} << 20) + 1, s.pixels.size() - 1}) {
        TBitmap bitmap;
        TempFile file(std::vector<uint8_t>(full.begin(), full.begin() + pixelsAt + keep));
        bitmap.LoadFromFile(file.path());
        ASSERT_NE(bitmap.Description(), nullptr) << keep;
        const auto* bits = static_cast<const uint8_t*>(bitmap.Description()->dsBm.bmBits);
        ASSERT_NE(bits, nullptr) << keep;
        EXPECT_TRUE(std::equal(s.pixels.begin(), s.pixels.begin() + keep, bits)) << keep;
        EXPECT_EQ(std::count(bits + keep, bits + s.pixels.size(), 0), s.pixels.size() - keep) << keep;
    }
}

TEST(BitmapErrors, NotBmIsInvalid) {
    std::vector<uint8_t> file = Build(testbmp::Rgb24(2, 2));
    file[1] = 'A';
    TBitmap bitmap;
    EXPECT_EQ(LoadError<EInvalidGraphic>(bitmap, file), "Bitmap image is not valid");
}

TEST(BitmapErrors, PlanesTwoIsInvalid) {
    BmpFields s = testbmp::Rgb24(2, 2);
    s.planes = 2;
    TBitmap bitmap;
    EXPECT_EQ(LoadError<EInvalidGraphic>(bitmap, Build(s)), "Bitmap image is not valid");
}

TEST(BitmapErrors, FileEndingInTheColourTableIsAReadError) {
    BmpFields s;
    s.bitCount = 4;
    s.colorTable = testbmp::Palette(16);
    std::vector<uint8_t> file = Build(s);
    file.resize(14 + 40 + 30);
    TBitmap bitmap;
    EXPECT_EQ(LoadError<EReadError>(bitmap, file), "Stream read error");
}

TEST(BitmapErrors, UnreadableHeaderSizesAreInvalid) {
    BmpFields s = testbmp::Rgb24(2, 2);
    s.headerSize = 16;
    TBitmap bitmap;
    EXPECT_EQ(LoadError<EInvalidGraphic>(bitmap, Build(s)), "Bitmap image is not valid");
    std::vector<uint8_t> fourteen = Build(testbmp::Rgb24(2, 2));
    fourteen.resize(14);
    EXPECT_EQ(LoadError<EInvalidGraphic>(bitmap, fourteen), "Bitmap image is not valid");
}

TEST(BitmapErrors, FailedLoadKeepsThePreviousImage) {
    TBitmap bitmap;
    TempFile picture(Build(testbmp::Rgb24(6, 4)));
    bitmap.LoadFromFile(picture.path());
    const HBITMAP before = bitmap.Handle();
    ChangeCounter changes(bitmap);
    BmpFields bad = testbmp::Rgb24(2, 2);
    bad.planes = 3;
    EXPECT_EQ(LoadError<EInvalidGraphic>(bitmap, Build(bad)), "Bitmap image is not valid");
    EXPECT_THROW(bitmap.LoadFromFile(imagetest::DataPath("missing.bmp")), EFOpenError);
    EXPECT_EQ(bitmap.Handle(), before);
    EXPECT_EQ(bitmap.Width(), 6);
    EXPECT_EQ(changes.count, 0);
}

TEST(BitmapErrors, SizesTheSystemCannotCreateAreRefusedNotCrashed) {
    BmpFields s;
    s.width = 0x7FFFFFFF;
    s.height = 0x7FFFFFFF;
    s.bitCount = 32;
    s.pixels.assign(64, 1);
    TBitmap bitmap;
    TempFile file(Build(s));
    try {
        bitmap.LoadFromFile(file.path());
        FAIL() << "loaded";
    } catch (const EWin32Error& e) {
        EXPECT_EQ(e.Message().rfind("Win32 Error.  Code: ", 0), 0u) << e.Message();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid");
    }
    EXPECT_TRUE(bitmap.Empty());
}

// The file header's pixel offset, when it points past the colour table, says where the pixels are.
TEST(BitmapMended, PixelsAfterAGapAreReadFromThePixelOffset) {
    BmpFields s = testbmp::Rgb24(3, 2);
    s.gap = 37;
    TBitmap bitmap;
    TempFile file(Build(s));
    bitmap.LoadFromFile(file.path());
    const std::vector<uint32_t> pixels = imagetest::ReadBackRgb(bitmap.Handle(), 3, 2);
    ASSERT_EQ(pixels.size(), 6u);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixels[y * 3 + x], Rgb24Pixel(x, y));
}

// An image size larger than width, height and bit count allow must not overrun the bitmap.
TEST(BitmapMended, OversizedImageSizeReadsOnlyWhatTheBitmapHolds) {
    BmpFields s = testbmp::Rgb24(3, 2);
    s.sizeImage = 0x7FFFFFF0;
    s.pixels.resize(s.pixels.size() + 100000, 0xCC);
    TMemoryStream stream(Build(s));
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), 54 + 24);  // 2 rows of 12 bytes, nothing more
    EXPECT_EQ(imagetest::ReadBackRgb(bitmap.Handle(), 3, 2)[5], Rgb24Pixel(2, 1));
}

TEST(BitmapShare, AssignSharesTheImageAndNotifies) {
    TBitmap source;
    TempFile picture(Build(testbmp::Rgb24(7, 5)));
    source.LoadFromFile(picture.path());
    TBitmap copy;
    ChangeCounter changes(copy);
    copy.Assign(source);
    EXPECT_EQ(copy.Handle(), source.Handle());
    EXPECT_EQ(copy.Width(), 7);
    EXPECT_EQ(changes.count, 1);

    // Loading into one gives it a new image; the other keeps the shared one alive.
    const HBITMAP shared = source.Handle();
    TempFile other(Build(testbmp::Rgb24(2, 2)));
    source.LoadFromFile(other.path());
    EXPECT_EQ(copy.Handle(), shared);
    EXPECT_EQ(copy.Width(), 7);
    BITMAP info{};
    EXPECT_EQ(GetObjectA(shared, sizeof info, &info), static_cast<int>(sizeof info));
}

}  // namespace
