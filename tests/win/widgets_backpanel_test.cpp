#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/dcguards_win.h"
#include "base/exceptions.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/win/widgets_picturelist.h"
#include "tests/win/widgets_snapshot.h"
#include "widgets/backpanel_win.h"
#include "widgets/lmdmessages.h"

namespace {

COLORREF Face() {
    return GetSysColor(COLOR_BTNFACE);
}

// A windowless child that shows the panel's background under itself, as the menu's buttons do.
class BackgroundChild : public TGraphicControl {
public:
    BackgroundChild(TWinControl* parent, RECT bounds) : TGraphicControl(parent) {
        SetParent(parent);
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    int backChanged = 0;
    bool drew = false;

    void WndProc(TMessage& message) override {
        if (message.Msg == CM_LMDBACKCHANGED)
            ++backChanged;
        TGraphicControl::WndProc(message);
    }

protected:
    void Paint() override {
        auto* panel = static_cast<TLMDCustomControl*>(Parent());
        drew = panel->BackDrawArea(Canvas(), ClientRect(), POINT{Left(), Top()}, 0);
    }
};

// A borderless form holding a panel with a window, bound to a picture.
struct PanelOnForm {
    TApplication application;
    TForm form{&application};
    TLMDBackPanel* panel = new TLMDBackPanel(&form);
    PictureList list;

    PanelOnForm(int width, int height, int pictureWidth, int pictureHeight) : list(pictureWidth, pictureHeight) {
        form.BorderStyle = bsNone;
        form.SetClientWidth(width);
        form.SetClientHeight(height);
        panel->SetParent(&form);
        panel->SetAlign(alClient);
        panel->SetImageList(&list);
        panel->SetAlign(alNone);  // the tests resize the panel itself
    }
};

TEST(BackPanel, ShowsThePicturePixelForPixelOrTiledWhenLarger) {
    struct Case {
        int width, height, pictureWidth, pictureHeight;
    };
    for (const Case c : {Case{64, 48, 64, 48}, Case{250, 120, 100, 50}}) {
        PanelOnForm setup(c.width, c.height, c.pictureWidth, c.pictureHeight);
        ASSERT_EQ(setup.panel->Width(), c.width);
        Snapshot shot(*setup.panel, c.width, c.height);
        EXPECT_EQ(shot.Mismatches([&](int x, int y) { return TiledAt(x, y, c.pictureWidth, c.pictureHeight); }), 0)
            << c.width << " x " << c.height;
    }
}

TEST(BackPanel, WithoutAUsableItemFillsWithItsColour) {
    PanelOnForm setup(40, 30, 40, 30);
    setup.panel->SetListIndex(1);  // beyond the only item
    EXPECT_EQ(setup.panel->BackBuffer(), nullptr);
    Snapshot shot(*setup.panel, 40, 30);
    EXPECT_EQ(shot.At(0, 0), Face());
    EXPECT_EQ(shot.At(39, 29), Face());
    setup.panel->SetListIndex(-1);  // ignored
    EXPECT_EQ(setup.panel->ListIndex(), 1);
}

TEST(BackPanel, KeepsItsBufferOnlyWhenTheClientAreaShrinksInBothDirections) {
    struct Case {
        int width, height;
        bool kept;
    };
    // From a 100 x 80 buffer; each case starts anew.
    for (const Case c : {Case{90, 70, true}, Case{90, 80, false}, Case{100, 70, false}, Case{120, 90, false}}) {
        PanelOnForm setup(100, 80, 30, 20);
        const int drawsBefore = setup.list.draws;
        setup.panel->SetBounds(0, 0, c.width, c.height);
        ASSERT_NE(setup.panel->BackBuffer(), nullptr);
        EXPECT_EQ(setup.list.draws == drawsBefore, c.kept) << c.width << " x " << c.height;
        EXPECT_EQ(setup.panel->BackBuffer()->Width(), c.kept ? 100 : c.width);
        EXPECT_EQ(setup.panel->BackBuffer()->Height(), c.kept ? 80 : c.height);
        Snapshot shot(*setup.panel, c.width, c.height);
        EXPECT_EQ(shot.At(c.width - 1, c.height - 1), TiledAt(c.width - 1, c.height - 1, 30, 20));
    }
    // Kept at 100 x 80 after a shrink, then resized to exactly the buffer's size: rebuilt.
    PanelOnForm setup(100, 80, 30, 20);
    setup.panel->SetBounds(0, 0, 90, 70);
    const int drawsBefore = setup.list.draws;
    setup.panel->SetBounds(0, 0, 100, 80);
    EXPECT_EQ(setup.list.draws, drawsBefore + 1);
}

TEST(BackPanel, GivesAChildThePictureUnderItWhereverItIsPlaced) {
    PanelOnForm setup(60, 40, 60, 40);
    // A child exactly as large as the panel, moved right and down, and a small one.
    auto* large = new BackgroundChild(setup.panel, RECT{10, 5, 70, 45});
    auto* small = new BackgroundChild(setup.panel, RECT{30, 20, 40, 30});
    Snapshot shot(*setup.panel, 60, 40);
    EXPECT_TRUE(large->drew);
    EXPECT_TRUE(small->drew);
    EXPECT_EQ(shot.Mismatches(PatternAt), 0);
}

TEST(BackPanel, AnswersEraseWithoutDrawingOnlyWhileItHasABuffer) {
    PanelOnForm setup(20, 20, 20, 20);
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    UniqueBitmap bitmap(CreateBitmap(20, 20, 1, 32, nullptr));
    ScopedSelect select(dc.get(), bitmap.get());
    SetPixel(dc.get(), 5, 5, RGB(1, 2, 3));
    EXPECT_EQ(setup.panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
    EXPECT_EQ(GetPixel(dc.get(), 5, 5), RGB(1, 2, 3));
    setup.panel->SetImageList(nullptr);
    EXPECT_EQ(setup.panel->BackBuffer(), nullptr);
    EXPECT_EQ(setup.panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
    EXPECT_EQ(GetPixel(dc.get(), 5, 5), Face());
}

TEST(BackPanel, RebuildsAndTellsItsChildrenWhenTheBackgroundChanges) {
    PanelOnForm setup(40, 30, 40, 30);
    auto* child = new BackgroundChild(setup.panel, RECT{0, 0, 10, 10});
    const int draws = setup.list.draws;
    setup.list.AddPicture(5, 5);  // through the change link
    EXPECT_EQ(setup.list.draws, draws + 1);
    EXPECT_EQ(child->backChanged, 1);
    setup.panel->SetImageIndex(3);  // rebuilds, looks the same
    EXPECT_EQ(setup.list.draws, draws + 2);
    EXPECT_EQ(child->backChanged, 2);
    setup.panel->SetBounds(0, 0, 50, 40);
    EXPECT_EQ(child->backChanged, 3);
}

TEST(BackPanel, LetsGoOfAListThatIsDestroyed) {
    TApplication application;
    TForm form(&application);
    auto* panel = new TLMDBackPanel(&form);
    panel->SetParent(&form);
    auto* list = new PictureList(10, 10);
    panel->SetImageList(list);
    ASSERT_NE(panel->BackBuffer(), nullptr);
    delete list;
    EXPECT_EQ(panel->ImageList(), nullptr);
    EXPECT_EQ(panel->BackBuffer(), nullptr);
}

TEST(BackPanel, RaisesOutOfResourcesForABufferTheSystemCannotMake) {
    TApplication application;
    TLMDBackPanel panel(&application);
    panel.SetBounds(0, 0, 60000, 60000);
    PictureList list(10, 10);
    try {
        panel.SetImageList(&list);
        FAIL() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_EQ(panel.BackBuffer(), nullptr);
    Snapshot shot(panel, 8, 8);
    EXPECT_EQ(shot.At(7, 7), Face());
}

TEST(TransparentPanel, ShowsItsParentsPictureUnderItself) {
    PanelOnForm setup(80, 60, 80, 60);
    auto* inner = new TLMDBackPanel(setup.panel);
    inner->SetParent(setup.panel);
    inner->SetBounds(20, 10, 30, 25);
    inner->SetTransparent(true);
    EXPECT_TRUE(inner->BackBitmapCheck());
    EXPECT_EQ(inner->BackBuffer(), nullptr);
    Snapshot shot(*inner, 30, 25);
    EXPECT_EQ(shot.Mismatches([](int x, int y) { return PatternAt(x + 20, y + 10); }), 0);
    inner->SetTransparent(false);  // an opaque panel without a list of its own
    EXPECT_FALSE(inner->BackBitmapCheck());
}

TEST(BackPanelEvents, MouseAndAfterEnterNotificationsReachTheEvents) {
    TApplication application;
    TLMDBackPanel panel(&application);
    std::vector<std::string> events;
    panel.OnMouseEnter = [&](TComponent*) { events.push_back(panel.MouseAbove() ? "enter above" : "enter"); };
    panel.OnMouseExit = [&](TComponent*) { events.push_back(panel.MouseAbove() ? "exit above" : "exit"); };
    panel.OnAfterEnter = [&](TComponent*) { events.push_back("after enter"); };
    panel.Perform(CM_MOUSEENTER);
    panel.Perform(CM_MOUSELEAVE);
    panel.Perform(CM_LMDAFTERENTER);
    EXPECT_EQ(events, (std::vector<std::string>{"enter above", "exit", "after enter"}));
}

}  // namespace
