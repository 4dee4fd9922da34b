#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "tests/common/imagetest_win.h"
#include "tests/common/tempfile.h"
#include "tests/win/widgets_bitmaplist_fixture.h"

namespace {

using bitmaplisttest::NewItem;
using bitmaplisttest::Rgb24At;
using TempFile = TTempFile;

// A list of three items: a picture with description and ident, a compressed picture, an empty item.
void FillList(TLMDBitmapList& list) {
    TLMDBitmapListItem* sky = NewItem(list, 7, 5);
    sky->Description = "sky";
    sky->Ident = 3;
    list.Add(sky);
    TLMDBitmapListItem* packed = NewItem(list, 300, 40);
    packed->Compressed = true;
    list.Add(packed);
    list.Add();
}

void ExpectFilled(TLMDBitmapList& list) {
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetArrayItem(0)->Description, "sky");
    EXPECT_EQ(list.GetArrayItem(0)->Ident, 3);
    EXPECT_TRUE(list.GetArrayItem(1)->Compressed);
    EXPECT_FALSE(list.IsValidItem(2, 0));
    for (int index : {0, 1}) {
        const int w = list.Dimensions(index, 0), h = list.Dimensions(index, 1);
        EXPECT_EQ(w, index == 0 ? 7 : 300);
        EXPECT_EQ(h, index == 0 ? 5 : 40);
        for (POINT p : {POINT{0, 0}, POINT{w - 1, h - 1}, POINT{w / 2, h / 3}})
            EXPECT_EQ(list.GetColorAtPoint(p, index, 0), static_cast<TColor>(Rgb24At(p.x, p.y)));
    }
}

TEST(BitmapListFiles, FileAndStreamRoundTrips) {
    TLMDBitmapList source(nullptr);
    FillList(source);
    TempFile file(std::vector<uint8_t>{}, ".lst");
    source.SaveToFile(file.path());
    const std::vector<uint8_t> bytes = imagetest::ReadBytes(file.path());
    ASSERT_GT(bytes.size(), 9u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), std::string("BMPLIST_\x01", 9));
    TLMDBitmapList fromFile(nullptr);
    int changes = 0;
    TLMDChangeLink link;
    link.OnChange = [&](void*) { ++changes; };
    fromFile.RegisterChanges(&link);
    fromFile.LoadFromFile(file.path());
    ExpectFilled(fromFile);
    EXPECT_EQ(changes, 1);

    TMemoryStream stream;
    source.SaveToStream(stream);
    stream.SetPosition(0);
    TLMDBitmapList fromStream(nullptr);
    fromStream.LoadFromStream(stream);
    ExpectFilled(fromStream);
}

TEST(BitmapListFiles, OtherPixelFormatsAreStoredWithTheirColourCount) {
    for (auto [format, bits] : {std::pair{spfMono, 1}, std::pair{spf4bit, 4}, std::pair{spf8bit, 8}}) {
        TLMDBitmapList source(nullptr);
        TLMDBitmapListItem* item = NewItem(source, 12, 3);
        item->PixelFormat = format;
        source.Add(item);
        TMemoryStream stream;
        source.SaveToStream(stream);
        stream.SetPosition(0);
        TLMDBitmapList target(nullptr);
        target.LoadFromStream(stream);
        EXPECT_EQ(target.GetArrayItem(0)->PixelFormat, format);
        EXPECT_EQ(target.GetArrayItem(0)->GetBitmap().Description()->dsBm.bmBitsPixel, bits);
        EXPECT_EQ(target.Dimensions(0, 0), 12);
    }
}

TEST(BitmapListFiles, AFailedLoadLeavesTheListAsItWas) {
    TLMDBitmapList source(nullptr);
    FillList(source);
    TempFile good(std::vector<uint8_t>{}, ".lst");
    source.SaveToFile(good.path());
    std::vector<uint8_t> bytes = imagetest::ReadBytes(good.path());
    std::vector<uint8_t> otherType = bytes;
    otherType[0] = 'W';
    std::vector<uint8_t> notABitmap = bytes;
    // The first item's bitmap starts after signature, count, table, flags, description and ident.
    notABitmap[9 + 4 + 12 + 1 + 4 + 4 + 4] = 'X';
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::string message;
    } cases[] = {
        {"another list type", otherType, "The file is not a TLMDBitmapList file"},
        {"truncated", std::vector<uint8_t>(bytes.begin(), bytes.end() - 10), "Stream read error"},
        {"signature only", std::vector<uint8_t>(bytes.begin(), bytes.begin() + 9), "Stream read error"},
        {"a bitmap the reader refuses", notABitmap, "Bitmap image is not valid"},
    };
    for (const Case& c : cases) {
        TLMDBitmapList list(nullptr);
        TLMDBitmapListItem* kept = NewItem(list, 4, 4);
        list.Add(kept);
        int changes = 0;
        list.OnChange = [&](TComponent*) { ++changes; };
        TempFile file(c.bytes, ".lst");
        try {
            list.LoadFromFile(file.path());
            ADD_FAILURE() << c.what;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.what;
        }
        EXPECT_EQ(list.Count(), 1) << c.what;
        EXPECT_EQ(list.GetArrayItem(0), kept) << c.what;
        EXPECT_EQ(list.ComponentCount(), 1) << c.what;
        EXPECT_EQ(changes, 0) << c.what;
    }
}

TEST(BitmapListFiles, CopiesAreIndependentOfTheirSource) {
    TLMDBitmapList list(nullptr);
    list.Add(NewItem(list, 5, 5));
    list.AddList(list);
    ASSERT_EQ(list.Count(), 2);
    list.GetArrayItem(0)->FreeData();
    EXPECT_FALSE(list.IsValidItem(0, 0));
    EXPECT_EQ(list.GetColorAtPoint(POINT{4, 4}, 1, 0), static_cast<TColor>(Rgb24At(4, 4)));
    EXPECT_THROW(list.SetItemIndex(2), EInvalidGraphicOperation);
}

}  // namespace
