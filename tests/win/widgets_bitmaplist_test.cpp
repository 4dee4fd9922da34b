#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "tests/win/widgets_bitmaplist_fixture.h"

namespace {

using bitmaplisttest::kFill;
using bitmaplisttest::NewItem;
using bitmaplisttest::Rgb24At;
using bitmaplisttest::Surface;

class FreeWatcher : public TComponent {
public:
    FreeWatcher() : TComponent(nullptr) {}
    TLMDBitmapList* list = nullptr;
    TLMDChangeLink link;
    int notified = 0;
    int clientsAtNotification = -1;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        if (component != list || operation != opRemove)
            return;
        ++notified;
        clientsAtNotification = list->ClientCount();
        list->UnRegisterChanges(&link);  // finds nothing: the list has let go of its links
    }
};

TEST(BitmapList, OnlyAddListsAnItemAndCallsTheLinksInOrderAlsoDuringAnUpdate) {
    TLMDBitmapList list(nullptr);
    std::vector<std::string> calls;
    TLMDChangeLink first, second, third;
    first.OnChange = [&](void*) { calls.push_back("first"); };
    second.OnChange = [&](void*) { calls.push_back("second"); };
    list.OnChange = [&](TComponent*) { calls.push_back("event"); };
    for (TLMDChangeLink* link : {&second, &first, &third})
        list.RegisterChanges(link);
    list.UnRegisterChanges(&third);
    EXPECT_EQ(third.Sender(), nullptr);
    EXPECT_EQ(first.Sender(), &list);

    TLMDBitmapListItem* item = NewItem(list, 4, 4);  // owned by the list, not listed
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.IsValidItem(0, 0));
    list.BeginUpdate();
    EXPECT_EQ(list.Add(item), 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "first"}));
    list.EndUpdate(true);
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "first", "second", "first", "event"}));
    EXPECT_TRUE(list.IsValidItem(0, 0));
    // An empty item is listed and announced (links, then the event: no update is open), but not valid.
    list.Add();
    EXPECT_EQ(calls,
              (std::vector<std::string>{"second", "first", "second", "first", "event", "second", "first", "event"}));
    EXPECT_FALSE(list.IsValidItem(1, 0));
    EXPECT_EQ(list.Palette(5), nullptr);
}

TEST(BitmapList, ADestroyedListLetsGoOfItsLinksAndSendsTheFreeNotification) {
    FreeWatcher watcher;
    auto* list = new TLMDBitmapList(nullptr);
    watcher.list = list;
    list->RegisterChanges(&watcher.link);
    list->FreeNotification(&watcher);
    list->Add(NewItem(*list, 2, 2));
    delete list;
    EXPECT_EQ(watcher.notified, 1);
    EXPECT_EQ(watcher.clientsAtNotification, 0);
    EXPECT_EQ(watcher.link.Sender(), nullptr);
}

TEST(BitmapListDrawing, TilesFromTheTopLeftWithTheLastRowAndColumnCutByTheTarget) {
    TLMDBitmapList list(nullptr);
    list.Add(NewItem(list, 100, 50));
    Surface target(250, 120);
    list.ClipDraw(target.canvas, RECT{0, 0, 250, 120}, kDrawTile | kDrawPalette, 0, 0, 0, 0);
    for (int y = 0; y < 120; y += 7)
        for (int x = 0; x < 250; x += 3)
            ASSERT_EQ(target.At(x, y), Rgb24At(x % 100, y % 50)) << x << "," << y;
    for (POINT p : {POINT{249, 119}, POINT{200, 100}, POINT{199, 99}, POINT{0, 119}})
        EXPECT_EQ(target.At(p.x, p.y), Rgb24At(p.x % 100, p.y % 50)) << p.x << "," << p.y;
    EXPECT_THROW(list.ClipDraw(target.canvas, RECT{0, 0, 10, 10}, kDrawTile, 0, 0, 1, 0), EListError);
}

TEST(BitmapListDrawing, TheLastTilesOvershootTheTargetRectangle) {
    TLMDBitmapList list(nullptr);
    list.Add(NewItem(list, 100, 50));
    Surface target(320, 200);
    // 150 x 60: rows = 60 div 50 + 1 = 2 and columns = 2, each counted from 0 to 2 inclusive.
    list.ClipDraw(target.canvas, RECT{10, 5, 160, 65}, kDrawTile, 0, 0, 0, 0);
    EXPECT_EQ(target.At(10, 5), Rgb24At(0, 0));
    EXPECT_EQ(target.At(309, 154), Rgb24At(99, 49));
    EXPECT_EQ(target.At(310, 100), kFill);
    EXPECT_EQ(target.At(100, 155), kFill);
    EXPECT_EQ(target.At(9, 5), kFill);
}

}  // namespace
