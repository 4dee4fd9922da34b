// The message dialog: geometry from the message font's dialog units, the ways it closes and their
// results, the other windows disabled while it is open, the caption, the width cache.
#include <gtest/gtest.h>

#include <memory>

#include "base/dcguards_win.h"
#include "base/handles_win.h"
#include "shell/application_win.h"
#include "shell/button_win.h"
#include "shell/label_win.h"
#include "shell/msgdlg_win.h"
#include "tests/win/shell_dialog_watch.h"

namespace {

// What the dialog's geometry must be, computed straight from the system: the message font, the
// 52 letters, MulDiv of the dialog units, the text measured with its terminating zero.
struct Expected {
    int textWidth, textHeight, clientWidth, clientHeight, margin, vertMargin, buttonLeft, buttonTop, buttonWidth,
        buttonHeight;
};

Expected ExpectedFor(const std::string& text) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340;
    EXPECT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
    UniqueFont font(CreateFontIndirectA(&metrics.lfMessageFont));
    WindowDC screen(nullptr);
    ScopedSelect select(screen.get(), font.get());
    SIZE letters;
    GetTextExtentPoint32A(screen.get(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    const int ux = letters.cx / 52, uy = letters.cy;
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()) + 1, &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    RECT ok{0, 0, 0, 0};
    DrawTextA(screen.get(), "OK", -1, &ok, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    Expected e{};
    e.textWidth = r.right;
    e.textHeight = r.bottom;
    e.margin = MulDiv(8, ux, 4);
    e.vertMargin = MulDiv(8, uy, 8);
    e.buttonWidth = std::max(MulDiv(50, ux, 4), static_cast<int>(ok.right + 8));
    e.buttonHeight = MulDiv(14, uy, 8);
    e.clientWidth = std::max(e.textWidth, e.buttonWidth) + 2 * e.margin;
    e.clientHeight = e.textHeight + e.buttonHeight + MulDiv(10, uy, 8) + 2 * e.vertMargin;
    e.buttonLeft = (e.clientWidth - e.buttonWidth) / 2;
    e.buttonTop = e.textHeight + e.vertMargin + MulDiv(10, uy, 8);
    return e;
}

RECT ChildBounds(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct GeometryCase {
    const char* name;
    std::string text;
    bool withinHalfTheScreen;  // only a single word wider than that keeps its width
};

class MessageDialogGeometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(MessageDialogGeometry, FollowsTheDialogUnitsOfTheMessageFont) {
    TApplication application;
    application.SetTitle("Disc");
    const std::string& text = GetParam().text;
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(text, mtCustom, MsgDlgButton(mbOK)));
    const Expected e = ExpectedFor(text);

    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, e.clientWidth);
    EXPECT_EQ(client.bottom, e.clientHeight);
    const RECT label = form->Message->BoundsRect();
    EXPECT_EQ(label.left, e.margin);
    EXPECT_EQ(label.top, e.vertMargin);
    EXPECT_EQ(label.right - label.left, e.textWidth);
    EXPECT_EQ(label.bottom - label.top, e.textHeight);
    EXPECT_EQ(form->Message->Caption(), text);
    EXPECT_EQ(label.right - label.left <= GetSystemMetrics(SM_CXSCREEN) / 2, GetParam().withinHalfTheScreen);

    TButton* ok = form->Button(mbOK);
    ASSERT_NE(ok, nullptr);
    const RECT button = ChildBounds(ok->Handle());
    EXPECT_EQ(button.left, e.buttonLeft);
    EXPECT_EQ(button.top, e.buttonTop);
    EXPECT_EQ(button.right - button.left, e.buttonWidth);
    EXPECT_EQ(button.bottom - button.top, e.buttonHeight);

    char caption[64] = {};
    GetWindowTextA(form->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Disc");
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(form->Left(), screenWidth / 2 - form->Width() / 2);
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), application.Handle());
}

const std::string kSentence = "Insert the second disc and press OK to go on with the installation. ";
const std::string kUnbroken(400, 'W');

INSTANTIATE_TEST_SUITE_P(Texts,
                         MessageDialogGeometry,
                         testing::Values(GeometryCase{"OneWord", "Hello", true},
                                         GeometryCase{"LongText", kSentence + kSentence + kSentence + kSentence, true},
                                         GeometryCase{"WordWiderThanHalfTheScreen", kUnbroken, false},
                                         GeometryCase{"Tabs", "Name\tSize\tDate", true},
                                         GeometryCase{"Ampersand", "Save && e&xit", true},
                                         GeometryCase{"Empty", "", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageDialogCaption, IsEmptyForAnEmptyTitleAndTheTypeNameForTypedDialogs) {
    TApplication application;
    application.SetTitle("");
    std::unique_ptr<TMessageForm> custom(CreateMessageDialog("x", mtCustom, MsgDlgButton(mbOK)));
    EXPECT_EQ(GetWindowTextLengthA(custom->Handle()), 0);
    std::unique_ptr<TMessageForm> warning(CreateMessageDialog("x", mtWarning, MsgDlgButton(mbOK)));
    char caption[32] = {};
    GetWindowTextA(warning->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Warning");
}

TEST(MessageDialogButtons, FollowTheKindOrderWithTheirResultsAndMarks) {
    TApplication application;
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(
        "Replace?", mtConfirmation, MsgDlgButton(mbYes) | MsgDlgButton(mbNo) | MsgDlgButton(mbYesToAll)));
    TButton* yes = form->Button(mbYes);
    TButton* no = form->Button(mbNo);
    TButton* all = form->Button(mbYesToAll);
    ASSERT_TRUE(yes && no && all);
    EXPECT_EQ(form->Button(mbOK), nullptr);
    EXPECT_LT(yes->Left(), no->Left());
    EXPECT_LT(no->Left(), all->Left());
    EXPECT_EQ(no->Left() - yes->Left(), all->Left() - no->Left());
    EXPECT_EQ(yes->Width(), all->Width());
    EXPECT_EQ(yes->ModalResult, 6);
    EXPECT_EQ(no->ModalResult, 7);
    EXPECT_EQ(all->ModalResult, 10);
    EXPECT_TRUE(yes->Default());
    EXPECT_FALSE(yes->Cancel);
    EXPECT_TRUE(no->Cancel);
    EXPECT_EQ(yes->Name, "Yes");
    EXPECT_EQ(all->Caption(), "Yes to &All");
    // The icon's room: the text starts right of it.
    EXPECT_GT(form->Message->Left(), 32);
}

TEST(MessageDialogButtons, MeasureEachCaptionOnceAndKeepTheWidthForTheProcess) {
    TApplication application;
    auto& widths = MessageDialogButtonWidths();
    const auto saved = widths;
    widths.fill(0);
    std::unique_ptr<TMessageForm>(CreateMessageDialog("x", mtCustom, MsgDlgButton(mbOK)));
    const int measured = widths[mbOK];
    EXPECT_GT(measured, 8);
    EXPECT_EQ(widths[mbCancel], 0);  // not asked for
    // A cached width wider than the standard button widens every later dialog's buttons.
    widths[mbOK] = 300;
    std::unique_ptr<TMessageForm> later(CreateMessageDialog("x", mtCustom, MsgDlgButton(mbOK)));
    EXPECT_EQ(later->Button(mbOK)->Width(), 300);
    EXPECT_EQ(widths[mbOK], 300);
    widths = saved;
}

// How the dialog is closed, and the result each way gives.
struct CloseCase {
    const char* name;
    std::function<void(HWND dialog)> close;
    int result;
    bool terminated;
};

class MessageDialogClosing : public testing::TestWithParam<CloseCase> {};

TEST_P(MessageDialogClosing, GivesItsResultAndLeavesTheOtherWindowsAsTheyWere) {
    TApplication application;
    TForm menu(&application);
    menu.SetBounds(10, 10, 200, 100);
    menu.Show();
    SetActiveWindow(menu.Handle());
    ASSERT_EQ(GetActiveWindow(), menu.Handle());

    bool menuEnabledMeanwhile = true;
    bool focusOnOk = false;
    int result = -1;
    {
        OnMessageDialog during([&](HWND dialog) {
            menuEnabledMeanwhile = IsWindowEnabled(menu.Handle()) != FALSE;
            char name[16] = {};
            GetClassNameA(GetFocus(), name, sizeof name);
            focusOnOk = GetParent(GetFocus()) == dialog && std::string(name) == "TButton";
            GetParam().close(dialog);
        });
        result = ShowMessage("Ready.");
        EXPECT_TRUE(during.Ran());
    }
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(application.Terminated(), GetParam().terminated);
    EXPECT_FALSE(menuEnabledMeanwhile);
    EXPECT_TRUE(focusOnOk);
    EXPECT_TRUE(IsWindowEnabled(menu.Handle()));
    EXPECT_EQ(GetActiveWindow(), menu.Handle());
}

INSTANTIATE_TEST_SUITE_P(
    Ways,
    MessageDialogClosing,
    testing::Values(CloseCase{"Enter", [](HWND) { PressKey(VK_RETURN); }, 1, false},
                    CloseCase{"Esc", [](HWND) { PressKey(VK_ESCAPE); }, 1, false},
                    CloseCase{"Space", [](HWND) { PressKey(VK_SPACE); }, 1, false},
                    CloseCase{"CloseBox", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 2, false},
                    CloseCase{"QuitMessage", [](HWND) { PostQuitMessage(0); }, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageDialogClosing, AWordWiderThanTheScreenStillClosesWithEnterAndEsc) {
    TApplication application;
    const std::string wide(1000, 'M');
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        int left = -1;
        OnMessageDialog during([&](HWND dialog) {
            RECT r;
            GetWindowRect(dialog, &r);
            left = r.left;
            PressKey(key);
        });
        EXPECT_EQ(ShowMessage(wide), 1);
        EXPECT_EQ(left, 0);  // wider than the screen: placed at its left edge
    }
}

}  // namespace
