#include <gtest/gtest.h>

#include "shell/application_win.h"
#include "shell/form_win.h"
#include "shell/windowproc_win.h"

namespace {

class MenuLikeForm : public TForm {
public:
    explicit MenuLikeForm(TComponent* owner) : TForm(owner) {
        BorderStyle = bsSingle;
        BorderIcons = biSystemMenu | biMinimize;
        Position = poScreenCenter;
    }
    const char* ClassName() const override { return "TMenuLikeForm"; }
};

TEST(FormWindow, SingleBorderWithSystemMenuAndMinimiseBoxOnly) {
    TApplication application;
    MenuLikeForm form(&application);
    HWND window = form.Handle();
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_VISIBLE);
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS));
    EXPECT_EQ(GetWindow(window, GW_OWNER), application.Handle());
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "TMenuLikeForm");
}

TEST(FormWindow, CaptionIsTheWindowText) {
    TApplication application;
    MenuLikeForm form(&application);
    form.SetCaption("Welcome");
    char text[64] = {};
    GetWindowTextA(form.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "Welcome");
    form.SetCaption("");
    EXPECT_EQ(GetWindowTextLengthA(form.Handle()), 0);
}

TEST(FormWindow, IsFoundFromItsWindowUntilTheWindowGoes) {
    TApplication application;
    HWND window;
    {
        MenuLikeForm form(&application);
        window = form.Handle();
        EXPECT_EQ(FindControl(window), &form);
        EXPECT_EQ(FindControl(application.Handle()), nullptr);
        EXPECT_EQ(FindControl(nullptr), nullptr);
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FindControl(window), nullptr);
}

TEST(FormWindow, ShowsTheApplicationIconWhileItsOwnIsEmpty) {
    TApplication application;
    MenuLikeForm form(&application);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0)), application.IconHandle());
}

struct ClientSize {
    int width, height;
};

class FormClientSize : public testing::TestWithParam<ClientSize> {};

TEST_P(FormClientSize, IsExactlyWhatWasAskedFor) {
    TApplication application;
    MenuLikeForm form(&application);
    form.SetClientWidth(GetParam().width);
    form.SetClientHeight(GetParam().height);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, GetParam().width);
    EXPECT_EQ(client.bottom, GetParam().height);
    EXPECT_EQ(form.ClientWidth(), GetParam().width);
    EXPECT_EQ(form.ClientHeight(), GetParam().height);
    // The outer size in the object follows the window.
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    EXPECT_EQ(form.Width(), outer.right - outer.left);
    EXPECT_EQ(form.Height(), outer.bottom - outer.top);
}

// Both sides in one resize give the window that one side after the other gives.
TEST_P(FormClientSize, IsTheSameInOneResizeAsInTwo) {
    TApplication application;
    MenuLikeForm apart(&application), together(&application);
    apart.SetClientWidth(GetParam().width);
    apart.SetClientHeight(GetParam().height);
    together.SetClientSize(GetParam().width, GetParam().height);
    RECT a, b;
    GetWindowRect(apart.Handle(), &a);
    GetWindowRect(together.Handle(), &b);
    EXPECT_TRUE(EqualRect(&a, &b));
    EXPECT_EQ(together.ClientWidth(), GetParam().width);
    EXPECT_EQ(together.ClientHeight(), GetParam().height);
    EXPECT_EQ(together.Width(), b.right - b.left);
    EXPECT_EQ(together.Height(), b.bottom - b.top);
}

INSTANTIATE_TEST_SUITE_P(Sizes,
                         FormClientSize,
                         testing::Values(ClientSize{320, 240},
                                         ClientSize{640, 480},
                                         ClientSize{200, 100},
                                         ClientSize{1000, 700},
                                         ClientSize{333, 17}));

TEST(FormClientSizeSetting, CreatesTheWindowAndKeepsItHidden) {
    TApplication application;
    MenuLikeForm form(&application);
    EXPECT_FALSE(form.HandleAllocated());
    form.SetClientWidth(300);
    EXPECT_TRUE(form.HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

struct Centring {
    int screenWidth, screenHeight, width, height;
    POINT expected;
};

class ScreenCentring : public testing::TestWithParam<Centring> {};

TEST_P(ScreenCentring, PlacesHalfTheDifferenceNeverBelowZero) {
    const Centring& c = GetParam();
    const POINT p = ScreenCenteredPosition(c.screenWidth, c.screenHeight, c.width, c.height);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(Sizes,
                         ScreenCentring,
                         testing::Values(Centring{1280, 1024, 400, 300, {440, 362}},
                                         Centring{1280, 1024, 401, 301, {439, 361}},
                                         Centring{1280, 1024, 1280, 1024, {0, 0}},
                                         Centring{1280, 1024, 1281, 1025, {0, 0}},
                                         Centring{1280, 1024, 2000, 300, {0, 362}},
                                         Centring{1280, 1024, 300, 3000, {490, 0}},
                                         Centring{800, 600, 0, 0, {400, 300}}));

TEST(FormShowing, CentresOnTheScreenOnceWhenFirstShown) {
    TApplication application;
    MenuLikeForm form(&application);
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    form.Show();
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    const POINT expected = ScreenCenteredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                                  outer.right - outer.left, outer.bottom - outer.top);
    EXPECT_EQ(outer.left, expected.x);
    EXPECT_EQ(outer.top, expected.y);
    EXPECT_EQ(form.Position, poDesigned);
    // Later size changes keep the place.
    form.SetClientWidth(200);
    RECT after;
    GetWindowRect(form.Handle(), &after);
    EXPECT_EQ(after.left, outer.left);
    EXPECT_EQ(after.top, outer.top);
}

TEST(FormShowing, PutsAFormLargerThanTheScreenAtTheTopLeft) {
    TApplication application;
    MenuLikeForm form(&application);
    form.SetClientWidth(GetSystemMetrics(SM_CXSCREEN) + 100);
    form.SetClientHeight(GetSystemMetrics(SM_CYSCREEN) + 100);
    form.Show();
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    // And the client area is still exactly what was asked for.
    EXPECT_EQ(form.ClientWidth(), GetSystemMetrics(SM_CXSCREEN) + 100);
    EXPECT_EQ(form.ClientHeight(), GetSystemMetrics(SM_CYSCREEN) + 100);
}

}  // namespace
