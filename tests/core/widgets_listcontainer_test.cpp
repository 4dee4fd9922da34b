#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "base/memorystream.h"
#include "widgets/container.h"
#include "widgets/itemrecord.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Record(const TLMDItemRecord& record) {
    TMemoryStream stream;
    WriteItemRecord(stream, record);
    return stream.Bytes();
}

TLMDItemRecord ReadBack(const Bytes& bytes) {
    TMemoryStream stream(bytes);
    return ReadItemRecord(stream);
}

TEST(ItemRecord, AnEmptyItemIsTheFlagsByteAlone) {
    TLMDItemRecord record;
    EXPECT_EQ(Record(record), Bytes{0x00});
    record.compressed = true;
    EXPECT_EQ(Record(record), Bytes{0x01});
    record.compressed = false;
    record.pixelFormat = spf4bit;
    EXPECT_EQ(Record(record), Bytes{0x20});
}

TEST(ItemRecord, FieldsRoundTripPlainAndCompressed) {
    for (bool compressed : {false, true}) {
        TLMDItemRecord record{.compressed = compressed,
                              .description = "sky",
                              .ident = 513,
                              .pixelFormat = spf8bit,
                              .hasData = true,
                              .data = Bytes(5000, 7)};
        const Bytes bytes = Record(record);
        EXPECT_EQ(bytes[0], 0x4E | (compressed ? 1 : 0));
        const TLMDItemRecord back = ReadBack(bytes);
        EXPECT_EQ(back.compressed, compressed);
        EXPECT_EQ(back.description, "sky");
        EXPECT_EQ(back.ident, 513);
        EXPECT_EQ(back.pixelFormat, spf8bit);
        EXPECT_TRUE(back.hasData);
        EXPECT_EQ(back.data, record.data);
    }
    // The ident is stored in 32 bits and read back into 16.
    EXPECT_EQ(ReadBack({0x04, 0x01, 0x02, 0x03, 0x04}).ident, 0x0201);
}

TEST(ItemRecord, LengthsTheStreamCannotHoldAreRefused) {
    const Bytes cases[] = {
        {},
        {0x02, 0x05, 'a', 'b'},                      // description of 5, 2 left
        {0x04, 0x01, 0x00},                          // ident cut short
        {0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0x00},        // a 4 GB bitmap in one byte
        {0x08, 0x03, 0x00, 0x00, 0x00, 0x01, 0x02},  // 3 bitmap bytes, 2 left
        {0x09, 0xFF, 0xFF, 0xFF, 0x0F, 0x00},        // compressed total past the end
    };
    for (const Bytes& bytes : cases)
        EXPECT_THROW(ReadBack(bytes), EReadError) << bytes.size();
}

// A container of plain items, counting its announcements.
struct Watched {
    TLMDCustomContainer list{nullptr};
    int changes = 0;
    Watched() {
        list.OnChange = [this](TComponent*) { ++changes; };
    }
    TLMDListItem* Add(std::string description) {
        auto* item = new TLMDListItem(&list);
        item->Description = std::move(description);
        list.Add(item);
        return item;
    }
    std::vector<std::string> Descriptions() const {
        std::vector<std::string> out;
        for (int i = 0; i < list.Count(); ++i)
            out.push_back(list.GetItem(i)->Description);
        return out;
    }
};

TEST(ListContainer, StreamRoundTripAnnouncesOneChange) {
    Watched source;
    source.Add("a")->Ident = 1;
    source.Add("b");
    TMemoryStream stream;
    source.list.SaveToStream(stream);
    EXPECT_EQ(stream.Bytes(), (Bytes{2, 0, 0, 0, 0x06, 1, 'a', 1, 0, 0, 0, 0x02, 1, 'b'}));
    Watched target;
    target.Add("old");
    target.changes = 0;
    stream.SetPosition(0);
    target.list.LoadFromStream(stream);
    EXPECT_EQ(target.Descriptions(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(target.list.GetItem(0)->Ident, 1);
    EXPECT_EQ(target.changes, 1);
    EXPECT_EQ(target.list.ComponentCount(), 2);  // the old item is freed
}

TEST(ListContainer, AFailedLoadLeavesTheListAsItWas) {
    const Bytes cases[] = {
        {2, 0, 0, 0, 0x02, 1, 'a', 0x02, 9, 'b'},  // the second record is cut short
        {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0},      // a count the rest cannot hold
        {1, 0},
    };
    for (const Bytes& bytes : cases) {
        Watched target;
        TLMDListItem* kept = target.Add("kept");
        target.changes = 0;
        TMemoryStream stream(bytes);
        EXPECT_THROW(target.list.LoadFromStream(stream), EReadError);
        EXPECT_EQ(target.list.Count(), 1);
        EXPECT_EQ(target.list.GetItem(0), kept);
        EXPECT_EQ(target.list.ComponentCount(), 1);
        EXPECT_EQ(target.changes, 0);
    }
}

TEST(ListContainer, AnItemListedTwiceIsFreedOnce) {
    Watched w;
    TLMDListItem* item = w.Add("twice");
    w.list.Add(item);
    w.Add("other");
    w.list.Delete(1);  // frees the item: it leaves both positions
    EXPECT_EQ(w.Descriptions(), std::vector<std::string>{"other"});
    w.list.Add(w.list.GetItem(0));
    w.list.Clear();
    EXPECT_EQ(w.list.Count(), 0);
    EXPECT_EQ(w.list.ComponentCount(), 0);
}

TEST(ListContainer, AnItemDestroyedElsewhereLeavesTheList) {
    Watched w;
    TComponent elsewhere(nullptr);
    auto* foreign = new TLMDListItem(&elsewhere);
    w.Add("own");
    w.list.Add(foreign);
    delete foreign;
    EXPECT_EQ(w.Descriptions(), std::vector<std::string>{"own"});
}

TEST(ListContainer, AddListFromItselfCopiesTheItemsItHadAtTheStart) {
    Watched w;
    w.Add("a");
    w.Add("b");
    w.changes = 0;
    w.list.AddList(w.list);
    EXPECT_EQ(w.Descriptions(), (std::vector<std::string>{"a", "b", "a", "b"}));
    EXPECT_NE(w.list.GetItem(0), w.list.GetItem(2));
    EXPECT_EQ(w.changes, 1);
}

TEST(ListContainer, PositionsOutsideTheItemsAreListErrors) {
    Watched w;
    w.Add("a");
    try {
        w.list.Delete(1);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(w.list.Move(0, 1), EListError);
    EXPECT_THROW(w.list.Insert(2), EListError);
    w.list.Insert(1);
    w.Add("c");
    w.changes = 0;
    w.list.Move(2, 0);
    w.list.Move(1, 1);
    EXPECT_EQ(w.Descriptions(), (std::vector<std::string>{"c", "a", ""}));
    EXPECT_EQ(w.changes, 1);
}

TEST(ChangeLinks, AnAnnouncementSurvivesLinksThatGoAwayWhileItRuns) {
    TLMDCustomContainer list(nullptr);
    std::vector<std::string> calls;
    TLMDChangeLink first, second, fourth;
    auto* third = new TLMDChangeLink;
    first.OnChange = [&](void* sender) {
        calls.push_back("first");
        EXPECT_EQ(sender, &list);
        list.UnRegisterChanges(&second);
        delete third;  // a control going away
    };
    second.OnChange = [&](void*) { calls.push_back("second"); };
    third->OnChange = [&](void*) { calls.push_back("third"); };
    fourth.OnChange = [&](void*) {
        calls.push_back("fourth");
        list.UnRegisterChanges(&fourth);  // itself
    };
    for (TLMDChangeLink* link : {&first, &second, third, &fourth})
        list.RegisterChanges(link);
    list.Add();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "fourth"}));
    EXPECT_EQ(list.ClientCount(), 1);
    EXPECT_EQ(second.Sender(), nullptr);
}

}  // namespace
