// The BMP Suite's images: good files load and look like their references; questionable and bad
// files load or are rejected with the reader's own errors, never anything worse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "base/syserror_win.h"
#include "shell/bitmap_win.h"
#include "tests/common/imagetest_win.h"

namespace {

using imagetest::DataPath;

// Compares a loaded bitmap with a reference picture; tolerance is per channel.
::testing::AssertionResult LooksLike(const TBitmap& bitmap, const std::string& reference, int tolerance) {
    const imagetest::Picture expected = imagetest::ReadPpm(DataPath("bmpsuite/ref/" + reference + ".ppm"));
    if (expected.pixels.empty())
        return ::testing::AssertionFailure() << "no reference " << reference;
    if (bitmap.Width() != expected.width || bitmap.Height() != expected.height)
        return ::testing::AssertionFailure() << "size " << bitmap.Width() << "x" << bitmap.Height() << ", expected "
                                             << expected.width << "x" << expected.height;
    const std::vector<uint32_t> actual = imagetest::ReadBackRgb(bitmap.Handle(), expected.width, expected.height);
    if (actual.size() != expected.pixels.size())
        return ::testing::AssertionFailure() << "GetDIBits failed";
    for (size_t i = 0; i < actual.size(); ++i) {
        if (imagetest::ChannelDistance(actual[i], expected.pixels[i]) > tolerance)
            return ::testing::AssertionFailure()
                   << "pixel (" << i % expected.width << ", " << i / expected.width << ") is " << std::hex << actual[i]
                   << ", expected " << expected.pixels[i];
    }
    return ::testing::AssertionSuccess();
}

class GoodFile : public ::testing::TestWithParam<const char*> {};

TEST_P(GoodFile, LoadsAndMatchesItsReference) {
    const std::string name = GetParam();
    TBitmap bitmap;
    bitmap.LoadFromFile(DataPath("bmpsuite/g/" + name + ".bmp"));
    ASSERT_FALSE(bitmap.Empty());
    // 16-bit colours widen to 8 bits per channel with rounding that may differ by one level.
    const int tolerance = name.rfind("rgb16", 0) == 0 ? 1 : 0;
    // pal8v4 declares a calibrated colour space with gamma values; its reference rendering applies
    // them. The system draws device-independent bitmaps without colour management, so the picture
    // is the plain palette's: the same as pal8, whose pixels and palette the file repeats.
    const std::string reference = name == "pal8v4" ? "pal8" : name;
    EXPECT_TRUE(LooksLike(bitmap, reference, tolerance));
}

INSTANTIATE_TEST_SUITE_P(BmpSuite,
                         GoodFile,
                         ::testing::Values("pal1",
                                           "pal1bg",
                                           "pal1wb",
                                           "pal4",
                                           "pal4gs",
                                           "pal4rle",
                                           "pal8-0",
                                           "pal8",
                                           "pal8gs",
                                           "pal8nonsquare",
                                           "pal8os2",
                                           "pal8rle",
                                           "pal8topdown",
                                           "pal8v4",
                                           "pal8v5",
                                           "pal8w124",
                                           "pal8w125",
                                           "pal8w126",
                                           "rgb16-565",
                                           "rgb16-565pal",
                                           "rgb16",
                                           "rgb16bfdef",
                                           "rgb24",
                                           "rgb24pal",
                                           "rgb32",
                                           "rgb32bf",
                                           "rgb32bfdef"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

enum class Outcome { Loads, Rejected };

// Loads the file; returns how it went, failing the test for anything but the reader's own errors.
Outcome TryLoad(const std::string& path, TBitmap& bitmap) {
    try {
        bitmap.LoadFromFile(path);
        return Outcome::Loads;
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid") << path;
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error") << path;
    } catch (const EWin32Error& e) {
        // "Win32 Error.  Code: %d.\n%s" with the system's text for the code.
        int code = 0;
        EXPECT_EQ(std::sscanf(e.Message().c_str(), "Win32 Error.  Code: %d.", &code), 1) << e.Message();
        EXPECT_EQ(e.Message(),
                  "Win32 Error.  Code: " + std::to_string(code) + ".\n" + SysErrorMessage(static_cast<DWORD>(code)));
    }
    return Outcome::Rejected;
}

class OddFile : public ::testing::TestWithParam<const char*> {};

TEST_P(OddFile, LoadsOrIsRejectedWithAReaderError) {
    TBitmap bitmap;
    if (TryLoad(DataPath(std::string("bmpsuite/") + GetParam() + ".bmp"), bitmap) == Outcome::Loads) {
        // Every one of these that can load at all describes a 127 x 64 picture.
        EXPECT_EQ(bitmap.Width(), 127);
        EXPECT_EQ(bitmap.Height(), 64);
    } else {
        EXPECT_TRUE(bitmap.Empty());
    }
}

INSTANTIATE_TEST_SUITE_P(BmpSuite,
                         OddFile,
                         ::testing::Values("q/pal1huffmsb",
                                           "q/pal1p1",
                                           "q/pal2",
                                           "q/pal2color",
                                           "q/pal4rlecut",
                                           "q/pal4rletrns",
                                           "q/pal8offs",
                                           "q/pal8os2-hs",
                                           "q/pal8os2-sz",
                                           "q/pal8os2sp",
                                           "q/pal8os2v2-16",
                                           "q/pal8os2v2-40sz",
                                           "q/pal8os2v2-sz",
                                           "q/pal8os2v2",
                                           "q/pal8oversizepal",
                                           "q/pal8rlecut",
                                           "q/pal8rletrns",
                                           "q/rgb16-231",
                                           "q/rgb16-3103",
                                           "q/rgb16faketrns",
                                           "q/rgb24jpeg",
                                           "q/rgb24largepal",
                                           "q/rgb24lprof",
                                           "q/rgb24png",
                                           "q/rgb24rle24",
                                           "q/rgb32-111110",
                                           "q/rgb32-7187",
                                           "q/rgb32-xbgr",
                                           "q/rgb32fakealpha",
                                           "q/rgb32h52",
                                           "q/rgba16-1924",
                                           "q/rgba16-4444",
                                           "q/rgba16-5551",
                                           "q/rgba32-1",
                                           "q/rgba32-1010102",
                                           "q/rgba32-2",
                                           "q/rgba32-61754",
                                           "q/rgba32-81284",
                                           "q/rgba32abf",
                                           "q/rgba32h56",
                                           "q/rgba64",
                                           "b/badbitcount",
                                           "b/badbitssize",
                                           "b/baddens1",
                                           "b/baddens2",
                                           "b/badfilesize",
                                           "b/badheadersize",
                                           "b/badpalettesize",
                                           "b/badplanes",
                                           "b/badrle",
                                           "b/badrle4",
                                           "b/badrle4bis",
                                           "b/badrle4ter",
                                           "b/badrlebis",
                                           "b/badrleter",
                                           "b/pal8badindex",
                                           "b/rgb16-880",
                                           "b/rletopdown",
                                           "b/shortfile"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-' || c == '/')
                                     c = '_';
                             return name;
                         });

// Files whose outcome the reader's rules decide.
TEST(BmpSuiteRules, PlanesOtherThanOneAreRejected) {
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromFile(DataPath("bmpsuite/b/badplanes.bmp")), EInvalidGraphic);
}

TEST(BmpSuiteRules, ColourTablesAboveTheirRoomAreRejected) {
    for (const char* name : {"q/pal8oversizepal", "q/rgb24largepal", "b/badpalettesize"}) {
        TBitmap bitmap;
        EXPECT_THROW(bitmap.LoadFromFile(DataPath(std::string("bmpsuite/") + name + ".bmp")), EInvalidGraphic) << name;
    }
}

TEST(BmpSuiteRules, ATruncatedFileShowsThePixelsThatAreThere) {
    TBitmap bitmap;
    bitmap.LoadFromFile(DataPath("bmpsuite/b/shortfile.bmp"));
    EXPECT_EQ(bitmap.Width(), 127);
    EXPECT_EQ(bitmap.Height(), 64);
    const std::vector<uint32_t> pixels = imagetest::ReadBackRgb(bitmap.Handle(), 127, 64);
    const imagetest::Picture full = imagetest::ReadPpm(DataPath("bmpsuite/ref/pal1.ppm"));
    // The file holds the bottom 13 rows (211 bytes of 16-byte rows).
    ASSERT_EQ(pixels.size(), full.pixels.size());
    for (size_t i = 127 * 51; i < pixels.size(); ++i)
        ASSERT_EQ(pixels[i], full.pixels[i]) << i;
}

TEST(BmpSuiteRules, AnImageSizeOfGigabytesReadsOnlyTheImage) {
    TBitmap bitmap;
    bitmap.LoadFromFile(DataPath("bmpsuite/b/badbitssize.bmp"));
    EXPECT_TRUE(LooksLike(bitmap, "pal1", 0));
}

TEST(BmpSuiteRules, PixelsAfterAGapAreFoundThroughThePixelOffset) {
    TBitmap bitmap;
    bitmap.LoadFromFile(DataPath("bmpsuite/q/pal8offs.bmp"));
    EXPECT_TRUE(LooksLike(bitmap, "pal8", 0));
}

TEST(BmpSuiteRules, AnImageTooLargeForTheSystemIsRefused) {
    TBitmap bitmap;
    EXPECT_EQ(TryLoad(DataPath("bmpsuite/b/reallybig.bmp"), bitmap), Outcome::Rejected);
}

}  // namespace
