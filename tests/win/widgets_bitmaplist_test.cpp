#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "base/handles_win.h"
#include "base/memorystream.h"
#include "tests/common/bmpbuilder.h"
#include "widgets/bitmaplist_win.h"

namespace {

// A 32-bit drawing target filled with one colour, read back pixel by pixel.
class Surface {
public:
    Surface(int width, int height, COLORREF fill = RGB(1, 2, 3))
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        previous_ = SelectObject(dc_.get(), bitmap_.get());
        canvas.SetHandle(dc_.get());
        RECT all{0, 0, width, height};
        UniqueBrush brush(CreateSolidBrush(fill));
        FillRect(dc_.get(), &all, brush.get());
    }
    ~Surface() {
        canvas.SetHandle(nullptr);
        SelectObject(dc_.get(), previous_);
    }
    COLORREF At(int x, int y) { return GetPixel(dc_.get(), x, y); }
    TCanvas canvas;

private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_;
};

// testbmp::Rgb24's pixel (x, y): blue x, green y, red 0x80.
COLORREF Rgb24At(int x, int y) {
    return RGB(0x80, y, x);
}

TLMDBitmapListItem* NewItem(TLMDBitmapList& list, int width, int height) {
    auto* item = new TLMDBitmapListItem(&list);
    TMemoryStream file(testbmp::Build(testbmp::Rgb24(width, height)));
    item->Bitmap().LoadFromStream(file);
    return item;
}

// Records the senders of a link's calls under a name.
struct Recorder {
    std::vector<std::string> calls;
    void Watch(TLMDChangeLink& link, std::string name) {
        link.OnChange = [this, name](void*) { calls.push_back(name); };
    }
};

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
        list = nullptr;
    }
};

TEST(BitmapList, AnItemOwnedButNotAddedIsNotListed) {
    TLMDBitmapList list(nullptr);
    Recorder recorder;
    TLMDChangeLink link;
    recorder.Watch(link, "link");
    list.RegisterChanges(&link);
    TLMDBitmapListItem* item = NewItem(list, 4, 4);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_FALSE(list.IsValidItem(0, 0));
    EXPECT_EQ(list.Add(item), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"link"});
    EXPECT_TRUE(list.IsValidItem(0, 0));
    EXPECT_EQ(link.Sender(), &list);
}

TEST(BitmapList, AnEmptyItemIsListedAndAnnouncedButNotValid) {
    TLMDBitmapList list(nullptr);
    int calls = 0;
    TLMDChangeLink link;
    link.OnChange = [&](void*) { ++calls; };
    list.RegisterChanges(&link);
    list.Add(new TLMDBitmapListItem(&list));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.IsValidItem(0, 0));
    EXPECT_EQ(list.Palette(0), nullptr);
    EXPECT_EQ(list.Palette(5), nullptr);
}

TEST(BitmapList, LinksAreCalledInOrderAlsoDuringAnUpdateWhileTheEventWaits) {
    TLMDBitmapList list(nullptr);
    Recorder recorder;
    TLMDChangeLink first, second, third;
    recorder.Watch(first, "first");
    recorder.Watch(second, "second");
    recorder.Watch(third, "third");
    list.OnChange = [&](TComponent*) { recorder.calls.push_back("event"); };
    list.RegisterChanges(&second);
    list.RegisterChanges(&first);
    list.RegisterChanges(&third);
    list.UnRegisterChanges(&third);
    EXPECT_EQ(third.Sender(), nullptr);
    list.BeginUpdate();
    list.Add();
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"second", "first"}));
    list.EndUpdate(true);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"second", "first", "second", "first", "event"}));
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

TEST(BitmapList, ALinkDestroyedFirstUnregistersItself) {
    TLMDBitmapList list(nullptr);
    {
        TLMDChangeLink link;
        list.RegisterChanges(&link);
        EXPECT_EQ(list.ClientCount(), 1);
    }
    EXPECT_EQ(list.ClientCount(), 0);
    list.Add();  // no call to the destroyed link
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
}

TEST(BitmapListDrawing, TheLastTilesOvershootTheTargetRectangle) {
    TLMDBitmapList list(nullptr);
    list.Add(NewItem(list, 100, 50));
    Surface target(320, 200);
    // 150 x 60: rows = 60 div 50 + 1 = 2 and columns = 2, each counted from 0 to 2 inclusive.
    list.ClipDraw(target.canvas, RECT{10, 5, 160, 65}, kDrawTile, 0, 0, 0, 0);
    EXPECT_EQ(target.At(10, 5), Rgb24At(0, 0));
    EXPECT_EQ(target.At(309, 154), Rgb24At(99, 49));
    EXPECT_EQ(target.At(310, 100), RGB(1, 2, 3));
    EXPECT_EQ(target.At(100, 155), RGB(1, 2, 3));
    EXPECT_EQ(target.At(9, 5), RGB(1, 2, 3));
}

TEST(BitmapListDrawing, AnIndexBeyondTheItemsIsAListError) {
    TLMDBitmapList list(nullptr);
    Surface target(10, 10);
    try {
        list.ClipDraw(target.canvas, RECT{0, 0, 10, 10}, kDrawTile, 0, 0, 1, 0);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
}

}  // namespace
