#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/exceptions.h"
#include "base/handles_win.h"
#include "base/memorystream.h"
#include "shell/icon_win.h"
#include "tests/common/icobuilder.h"
#include "tests/common/imagetest_win.h"
#include "tests/common/tempfile.h"

namespace {

using TempFile = TTempFile;

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

testico::Image Square(uint8_t size, uint32_t rgb, uint16_t colors = 16) {
    testico::Image image;
    image.width = image.height = size;
    image.rgb = rgb;
    image.colors = colors;
    return image;
}

// The colour of the icon's centre pixel, read from its colour bitmap.
uint32_t CentreColour(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return 0xDEADBEEF;
    UniqueBitmap mask(info.hbmMask);
    UniqueBitmap color(info.hbmColor);
    BITMAP description{};
    GetObjectA(color.get(), sizeof description, &description);
    const std::vector<uint32_t> pixels = imagetest::ReadBackRgb(color.get(), description.bmWidth, description.bmHeight);
    if (pixels.empty())
        return 0xDEADBEEF;
    return pixels[pixels.size() / 2 + static_cast<size_t>(description.bmWidth) / 2];
}

struct Loaded {
    int width;
    int height;
    uint32_t colour;
};

Loaded LoadIconBytes(const std::vector<uint8_t>& bytes, int requested = 0) {
    TIcon icon;
    icon.SetRequestedSize(requested, requested);
    TempFile file(bytes, ".ico");
    icon.LoadFromFile(file.path());
    const HICON handle = icon.Handle();
    return {icon.Width(), icon.Height(), handle ? CentreColour(handle) : 0xDEADBEEF};
}

template <typename E, typename F>
std::string ErrorOf(F&& body) {
    try {
        body();
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}

TEST(IconChoiceOnScreen, SystemIconSizeIs32) {
    // The choices below are written for the usual 32 x 32 system icon size.
    ASSERT_EQ(GetSystemMetrics(SM_CXICON), 32);
    ASSERT_EQ(GetSystemMetrics(SM_CYICON), 32);
}

TEST(IconChoiceOnScreen, SixteenAndThirtyTwoPickThirtyTwoInEitherOrder) {
    Loaded loaded = LoadIconBytes(testico::Build({Square(16, kRed), Square(32, kGreen)}));
    EXPECT_EQ(loaded.width, 32);
    EXPECT_EQ(loaded.height, 32);
    EXPECT_EQ(loaded.colour, kGreen);
    loaded = LoadIconBytes(testico::Build({Square(32, kGreen), Square(16, kRed)}));
    EXPECT_EQ(loaded.width, 32);
    EXPECT_EQ(loaded.colour, kGreen);
}

TEST(IconChoiceOnScreen, FortyEightAndThirtyTwoPickThirtyTwo) {
    Loaded loaded = LoadIconBytes(testico::Build({Square(48, kRed), Square(32, kBlue)}));
    EXPECT_EQ(loaded.width, 32);
    EXPECT_EQ(loaded.colour, kBlue);
    loaded = LoadIconBytes(testico::Build({Square(32, kBlue), Square(48, kRed)}));
    EXPECT_EQ(loaded.width, 32);
    EXPECT_EQ(loaded.colour, kBlue);
}

TEST(IconChoiceOnScreen, SixteenAndFortyEightPickSixteenInEitherOrder) {
    Loaded loaded = LoadIconBytes(testico::Build({Square(16, kRed), Square(48, kGreen)}));
    EXPECT_EQ(loaded.width, 16);
    EXPECT_EQ(loaded.height, 16);
    EXPECT_EQ(loaded.colour, kRed);
    loaded = LoadIconBytes(testico::Build({Square(48, kGreen), Square(16, kRed)}));
    EXPECT_EQ(loaded.width, 16);
    EXPECT_EQ(loaded.colour, kRed);
}

TEST(IconChoiceOnScreen, RequestedSizeReplacesTheSystemSize) {
    const Loaded loaded = LoadIconBytes(testico::Build({Square(32, kGreen), Square(16, kRed)}), 16);
    EXPECT_EQ(loaded.width, 16);
    EXPECT_EQ(loaded.colour, kRed);
}

TEST(IconChoiceOnScreen, HeaderLargerThanTheEntryIsScaledToTheEntrysSize) {
    testico::Image image = Square(32, kBlue);
    image.headerWidth = 64;  // a 64 x 32 picture in a 32 x 32 entry
    const Loaded loaded = LoadIconBytes(testico::Build({image}));
    EXPECT_EQ(loaded.width, 32);
    EXPECT_EQ(loaded.height, 32);
    EXPECT_EQ(loaded.colour, kBlue);
}

TEST(IconLoad, DecodesOnFirstHandleUseAndNotifiesOnLoad) {
    TIcon icon;
    int changes = 0;
    icon.OnChange = [&] { ++changes; };
    TMemoryStream stream(testico::Build({Square(32, kRed)}));
    icon.LoadFromStream(stream);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 0);  // not decoded yet
    const HICON handle = icon.Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(icon.Handle(), handle);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(CentreColour(handle), kRed);
    // Once there is a handle the requested size stays.
    icon.SetRequestedSize(16, 16);
    EXPECT_EQ(icon.RequestedWidth(), 0);
}

TEST(IconLoad, TypeZeroIsTheDefaultApplicationIcon) {
    TIcon icon;
    TMemoryStream stream(std::vector<uint8_t>{0, 0, 0, 0, 0, 0});
    icon.LoadFromStream(stream);
    EXPECT_EQ(icon.Handle(), LoadIconA(nullptr, IDI_APPLICATION));
}

TEST(IconLoad, AssignSharesTheDecodedImageAndNotifies) {
    TIcon source;
    TMemoryStream stream(testico::Build({Square(32, kGreen)}));
    source.LoadFromStream(stream);
    TIcon copy;
    int changes = 0;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    const HICON handle = source.Handle();
    EXPECT_EQ(copy.Handle(), handle);
    EXPECT_EQ(copy.Width(), 32);
}

TEST(IconLoad, SetHandleWrapsAResourceIcon) {
    TIcon icon;
    int changes = 0;
    icon.OnChange = [&] { ++changes; };
    const HICON system = LoadIconA(nullptr, IDI_APPLICATION);
    icon.SetHandle(system, false);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(icon.Handle(), system);
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
    EXPECT_FALSE(icon.Empty());

    // An owned handle goes with the icon's image.
    const HICON copy = CopyIcon(system);
    icon.SetHandle(copy, true);
    icon.SetHandle(nullptr, false);
    EXPECT_TRUE(icon.Empty());
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(copy, &info));
}

TEST(IconErrors, MissingFileNamesTheFile) {
    TIcon icon;
    const std::string name = imagetest::DataPath("missing.ico");
    EXPECT_EQ(ErrorOf<EFOpenError>([&] { icon.LoadFromFile(name); }), "Cannot open file " + name);
}

TEST(IconErrors, FewerThanSixBytesAreAStreamReadError) {
    const std::vector<uint8_t> full = testico::Build({Square(32, kRed)});
    for (size_t size = 0; size < 6; ++size) {
        TIcon icon;
        TempFile file(std::vector<uint8_t>(full.begin(), full.begin() + size), ".ico");
        EXPECT_EQ(ErrorOf<EReadError>([&] { icon.LoadFromFile(file.path()); }), "Stream read error") << size;
    }
}

TEST(IconErrors, ACursorFileIsNotAnIcon) {
    TIcon icon;
    TempFile file(testico::Build({Square(32, kRed)}, 2), ".cur");
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { icon.LoadFromFile(file.path()); }), "Icon image is not valid");
}

TEST(IconErrors, NoImagesOrDataOutsideTheFileAreInvalid) {
    TIcon icon;
    TMemoryStream empty(std::vector<uint8_t>{0, 0, 1, 0, 0, 0});
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { icon.LoadFromStream(empty); }), "Icon image is not valid");

    std::vector<uint8_t> bytes = testico::Build({Square(32, kRed)});
    PutU32(&bytes[6 + 12], 0x10000);
    TMemoryStream outside(bytes);
    icon.LoadFromStream(outside);  // the directory is read when the icon is decoded
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { icon.Handle(); }), "Icon image is not valid");
}

TEST(IconErrors, AnImageTheSystemCannotMakeIsOutOfResources) {
    std::vector<uint8_t> bytes = testico::Build({Square(32, kRed)});
    PutU16(&bytes[6 + 16 + 14], 7);  // 7 bits per pixel: no such bitmap
    TIcon icon;
    TMemoryStream stream(bytes);
    icon.LoadFromStream(stream);
    try {
        icon.Handle();
        FAIL() << "decoded";
    } catch (const EOutOfResources& e) {
        EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_EQ(icon.Width(), 0);
}

TEST(IconErrors, FailedLoadKeepsThePreviousImage) {
    TIcon icon;
    TMemoryStream good(testico::Build({Square(32, kGreen)}));
    icon.LoadFromStream(good);
    const HICON handle = icon.Handle();
    int changes = 0;
    icon.OnChange = [&] { ++changes; };
    TMemoryStream cursor(testico::Build({Square(32, kRed)}, 2));
    EXPECT_THROW(icon.LoadFromStream(cursor), EInvalidGraphic);
    EXPECT_THROW(icon.LoadFromFile(imagetest::DataPath("missing.ico")), EFOpenError);
    EXPECT_EQ(icon.Handle(), handle);
    EXPECT_EQ(changes, 0);
}

}  // namespace
