// The flat button's kept looks: a repaint over the current picture copies the look kept from the
// last paint in that look, which must show every change of what the look is drawn from.
#include <gtest/gtest.h>

#include <functional>

#include "base/memorystream.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "tests/common/bmpbuilder.h"
#include "tests/common/pixels_win.h"
#include "widgets/backpanel_win.h"
#include "widgets/bitmaplist_win.h"
#include "widgets/buttonlook_win.h"
#include "widgets/lmdmessages.h"
#include "widgets/speedbutton_win.h"

namespace {

constexpr int kWidth = 300, kHeight = 80;

std::vector<uint8_t> BackgroundFile(uint8_t seed) {
    return testbmp::Ramp24(kWidth, kHeight, seed);
}

TLMDBitmapListItem* AddPicture(TLMDBitmapList* list, uint8_t seed) {
    auto* item = new TLMDBitmapListItem(list);
    const std::vector<uint8_t> bytes = BackgroundFile(seed);
    TMemoryStream stream;
    stream.Write(bytes.data(), bytes.size());
    stream.SetPosition(0);
    item->Bitmap().LoadFromStream(stream);
    list->Add(item);
    return item;
}

int Differing(const TPixelGrid& a, const TPixelGrid& b) {
    return a.Mismatches([&](int x, int y) { return b.At(x, y); });
}

class ButtonLook : public testing::Test {
protected:
    void SetUp() override {
        form.BorderStyle = bsNone;
        form.SetBounds(0, 0, kWidth, kHeight);
        list = new TLMDBitmapList(&form);
        panel = new TLMDBackPanel(&form);
        panel->SetParent(&form);
        panel->SetAlign(alClient);
        panel->SetImageList(list);
        button = new TLMDSpeedButton(&form);
        button->SetParent(panel);
        button->SetStyle(ubsExplorer);
        button->SetEnterColorChange(true);
        button->SetEnterColor(clLime);
        button->SetBounds(20, 20, 233, 24);
        button->Font().SetName("Times New Roman");
        button->Font().SetHeight(-19);
        button->Font().SetColor(clYellow);
        button->FontFX().SetStyle(tdSunkenShadow);
        button->SetCaption("Install the product");
        AddPicture(list, 0);
        SetCursorPos(kWidth + 50, kHeight + 50);  // off the form: no hover check ends a hover
        form.Show();
        application.ProcessMessages();
    }

    TPixelGrid Shot() { return TPixelGrid::OfWindow(panel->Handle(), kWidth, kHeight); }
    void Out() { button->Perform(CM_MOUSELEAVE); }
    void In() { button->Perform(CM_MOUSEENTER); }
    // The panel painted anew, the button drawn straight when its look is not kept.
    void Repaint() {
        panel->Invalidate();
        panel->Update();
    }

public:  // the changes below reach the parts
    TApplication application;
    TForm form{&application};
    TLMDBitmapList* list = nullptr;
    TLMDBackPanel* panel = nullptr;
    TLMDSpeedButton* button = nullptr;
};

TEST_F(ButtonLook, KeptLooksAreTheLooksDrawnStraight) {
    Repaint();
    const TPixelGrid normal = Shot();
    In();
    const TPixelGrid drawnHovered = Shot();
    Out();
    const TPixelGrid drawnNormal = Shot();
    In();
    const TPixelGrid keptHovered = Shot();
    Out();
    const TPixelGrid keptNormal = Shot();
    EXPECT_GT(Differing(normal, drawnHovered), 0);
    EXPECT_EQ(Differing(normal, drawnNormal), 0);
    EXPECT_EQ(Differing(normal, keptNormal), 0);
    EXPECT_EQ(Differing(drawnHovered, keptHovered), 0);
}

struct Change {
    const char* name;
    std::function<void(ButtonLook&)> apply;
};

class ButtonLookChange : public ButtonLook, public testing::WithParamInterface<Change> {};

// Each change while the button shows its kept hover look: the hover look after it is the new one,
// the same as the panel's full repaint draws it.
TEST_P(ButtonLookChange, IsShownByTheNextHover) {
    for (int i = 0; i < 2; ++i) {
        In();
        Out();
    }
    In();
    const TPixelGrid before = Shot();
    GetParam().apply(*this);
    application.ProcessMessages();
    Repaint();
    const TPixelGrid straight = Shot();
    Out();
    In();
    const TPixelGrid after = Shot();
    EXPECT_GT(Differing(before, straight), 0);
    EXPECT_EQ(Differing(straight, after), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Changes,
    ButtonLookChange,
    testing::Values(Change{"Caption", [](ButtonLook& t) { t.button->SetCaption("Install the extras"); }},
                    Change{"EnterColor", [](ButtonLook& t) { t.button->SetEnterColor(clRed); }},
                    Change{"FontHeight", [](ButtonLook& t) { t.button->Font().SetHeight(-15); }},
                    Change{"FontStyle", [](ButtonLook& t) { t.button->Font().SetStyle(fsBold); }},
                    Change{"EffectStyle", [](ButtonLook& t) { t.button->FontFX().SetStyle(tdRaised); }},
                    Change{"EffectColour", [](ButtonLook& t) { t.button->FontFX().SetLightColor(clBlue); }},
                    Change{"Alignment", [](ButtonLook& t) { t.button->ButtonLayout().SetAlignment(agBottomRight); }},
                    Change{"Position", [](ButtonLook& t) { t.button->SetBounds(30, 25, 233, 24); }},
                    Change{"Size", [](ButtonLook& t) { t.button->SetBounds(20, 20, 200, 30); }},
                    Change{"Background",
                           [](ButtonLook& t) {
                               t.list->Delete(0);
                               AddPicture(t.list, 90);
                           }}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

// The store itself: a look is found under the key it was added with and no other, the least
// recently used one gives way to a fifth, and a dropped one is gone.
TEST(ButtonLooks, FindsWhatWasAddedUnderItsKeyOnly) {
    TButtonLooks looks;
    std::vector<TButtonLookKey> keys(5);
    for (size_t i = 0; i < keys.size(); ++i) {
        keys[i].buttonStamp = NextLookStamp();
        keys[i].width = 10;
        keys[i].height = 4;
    }
    for (size_t i = 0; i < 4; ++i)
        ASSERT_NE(looks.Add(keys[i]), nullptr);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NE(looks.Find(keys[i]), nullptr) << i;
    EXPECT_EQ(looks.Find(keys[4]), nullptr);
    TButtonLookKey other = keys[1];
    other.caption = "x";
    EXPECT_EQ(looks.Find(other), nullptr);
    other = keys[1];
    other.colours[3] = 1;
    EXPECT_EQ(looks.Find(other), nullptr);

    ASSERT_NE(looks.Add(keys[4]), nullptr);  // keys[0] was used longest ago
    EXPECT_EQ(looks.Find(keys[0]), nullptr);
    EXPECT_NE(looks.Find(keys[4]), nullptr);
    looks.Drop(keys[4]);
    EXPECT_EQ(looks.Find(keys[4]), nullptr);
    EXPECT_NE(looks.Find(keys[1]), nullptr);
}

TEST(ButtonLooks, APictureHasTheKeysSize) {
    TButtonLooks looks;
    TButtonLookKey key;
    key.buttonStamp = NextLookStamp();
    key.width = 37;
    key.height = 11;
    HDC dc = looks.Add(key);
    ASSERT_NE(dc, nullptr);
    BITMAP bitmap{};
    ASSERT_NE(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap), 0);
    EXPECT_EQ(bitmap.bmWidth, 37);
    EXPECT_EQ(bitmap.bmHeight, 11);
}

}  // namespace
