// The menu's buttons as a person sees and uses them: the program runs as a process on a disc folder,
// the real cursor is moved and the real left button pressed, and the screen is read back.

#include <gtest/gtest.h>

#include <functional>

#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

// A background that never takes any colour the buttons draw: green is fixed at 0x50, blue never 0.
uint32_t Background(int x, int y) {
    return (static_cast<uint32_t>(0x30 + x % 64) << 16) | 0x5000u | static_cast<uint32_t>(0x80 + y % 32);
}

COLORREF Rgb(COLORREF bgr) {
    return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
}

const COLORREF kRed = 0xFF0000, kLime = 0x00FF00;

// Entry 1 (enabled) at 40, 60, 200 x 28; entry 2 (its target is missing) at 40, 120, 200 x 28.
const char* const kTwoEntries =
    "[Main]\r\nBackground=back.bmp\r\nAppName=Buttons\r\nProgCount=2\r\n"
    "[Prog_1]\r\nX=40\r\nY=60\r\nWidth=200\r\nHeight=28\r\nButtonText=Install\r\n"
    "FontInfo=Arial,14,B,0,clRed,0\r\nHighlightColor=clLime\r\nExePath=setup.exe\r\nPreRunMessage=Clicked (a message "
    "dialog shows every click)\r\n"
    "[Prog_2]\r\nX=40\r\nY=120\r\nWidth=200\r\nHeight=28\r\nButtonText=Missing\r\n"
    "FontInfo=Arial,14,B,0,clRed,0\r\nHighlightColor=clLime\r\nTopContourColor=clWhite\r\n"
    "ExePath=missing.exe\r\nPreRunMessage=Clicked (a message dialog shows every click)\r\n";

class MenuButtons : public testing::Test {
protected:
    void SetUp() override {
        disc.CopyProgram();
        disc.Write("back.bmp", MakeBmp24(320, 200, Background));
        disc.WriteText("setup.exe", "a target that exists");
        disc.WriteText("menu.ini", kTwoEntries);
        menu = std::make_unique<MenuProcess>(disc.PathOf("menu.exe"), disc.Path());
        window = menu->WaitForMenuWindow();
        ASSERT_NE(window, nullptr);
        origin = Describe(window).clientOrigin;
        MoveCursorTo(Screen(300, 190));  // over the window, away from the buttons
        Sleep(500);
    }
    void TearDown() override {
        ReleaseLeftButton();
        MoveCursorTo(POINT{0, 0});
    }
    POINT Screen(int x, int y) const { return POINT{origin.x + x, origin.y + y}; }
    RECT ScreenRect(int left, int top, int width, int height) const {
        return RECT{origin.x + left, origin.y + top, origin.x + left + width, origin.y + top + height};
    }
    ScreenShot Shot() const { return ScreenShot(ScreenRect(0, 0, 320, 200)); }
    // Waits up to two seconds for the screen to show what `ready` looks for; the last shot.
    ScreenShot WaitFor(const std::function<bool(const ScreenShot&)>& ready) const {
        for (int i = 0; i < 40; ++i) {
            ScreenShot shot = Shot();
            if (ready(shot))
                return shot;
            Sleep(50);
        }
        return Shot();
    }
    // The one-pixel frame of a button: top and left lines in one colour, bottom and right in the
    // other (corners left out).
    bool Frame(const ScreenShot& shot, RECT r, COLORREF topLeft, COLORREF bottomRight) const {
        const RECT b = ScreenRect(r.left, r.top, r.right, r.bottom);
        const int w = b.right - b.left, h = b.bottom - b.top;
        return shot.Count(RECT{b.left + 1, b.top, b.right - 1, b.top + 1}, topLeft) == w - 2 &&
               shot.Count(RECT{b.left, b.top + 1, b.left + 1, b.bottom - 1}, topLeft) == h - 2 &&
               shot.Count(RECT{b.left + 1, b.bottom - 1, b.right - 1, b.bottom}, bottomRight) == w - 2 &&
               shot.Count(RECT{b.right - 1, b.top + 1, b.right, b.bottom - 1}, bottomRight) == h - 2;
    }
    // No pixel of the button's edge lines differs from the background.
    bool NoFrame(const ScreenShot& shot, RECT r) const {
        for (int x = r.left; x < r.left + r.right; ++x)
            for (int y : {r.top, r.top + r.bottom - 1})
                if (shot.At(origin.x + x, origin.y + y) != Background(x, y))
                    return false;
        for (int y = r.top; y < r.top + r.bottom; ++y)
            for (int x : {r.left, r.left + r.right - 1})
                if (shot.At(origin.x + x, origin.y + y) != Background(x, y))
                    return false;
        return true;
    }
    int Inside(const ScreenShot& shot, RECT r, COLORREF colour) const {
        return shot.Count(ScreenRect(r.left, r.top, r.right, r.bottom), colour);
    }

    DiscFolder disc;
    std::unique_ptr<MenuProcess> menu;
    HWND window = nullptr;
    POINT origin{};
    const RECT install{40, 60, 200, 28};  // left, top, width, height
    const RECT missing{40, 120, 200, 28};
    const COLORREF highlight = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT)), shadow = Rgb(GetSysColor(COLOR_BTNSHADOW));
    const COLORREF grey = Rgb(GetSysColor(COLOR_GRAYTEXT));
};

TEST_F(MenuButtons, StandAtTheirEntriesPlacesOverTheBackground) {
    const ScreenShot shot = Shot();
    EXPECT_GT(Inside(shot, install, kRed), 20);
    EXPECT_GT(Inside(shot, missing, grey), 20);
    EXPECT_EQ(Inside(shot, missing, kRed), 0);
    EXPECT_TRUE(NoFrame(shot, install));
    EXPECT_TRUE(NoFrame(shot, missing));
    // Everything outside the two buttons is the background, pixel for pixel.
    int differing = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) {
            const bool onButton = x >= 40 && x < 240 && ((y >= 60 && y < 88) || (y >= 120 && y < 148));
            if (!onButton && shot.At(origin.x + x, origin.y + y) != Background(x, y))
                ++differing;
        }
    EXPECT_EQ(differing, 0);
}

TEST_F(MenuButtons, HoverRaisesAFrameAndPressingSinksIt) {
    MoveCursorTo(Screen(140, 74));
    ScreenShot hover = WaitFor([&](const ScreenShot& s) { return Frame(s, install, highlight, shadow); });
    EXPECT_TRUE(Frame(hover, install, highlight, shadow));
    EXPECT_GT(Inside(hover, install, kLime), 20);
    EXPECT_EQ(Inside(hover, install, kRed), 0);

    PressLeftButton();
    ScreenShot pressed = WaitFor([&](const ScreenShot& s) { return Frame(s, install, shadow, highlight); });
    EXPECT_TRUE(Frame(pressed, install, shadow, highlight));
    EXPECT_GT(Inside(pressed, install, kLime), 20);

    // Dragged off while held: the normal look; released there: no click, still the normal look.
    MoveCursorTo(Screen(140, 180));
    ScreenShot off = WaitFor([&](const ScreenShot& s) { return NoFrame(s, install); });
    EXPECT_TRUE(NoFrame(off, install));
    EXPECT_GT(Inside(off, install, kRed), 20);
    ReleaseLeftButton();
    Sleep(300);
    EXPECT_TRUE(NoFrame(Shot(), install));
    EXPECT_EQ(menu->WaitForWindow("TMessageForm", 300), nullptr);
}

TEST_F(MenuButtons, ADisabledEntryStaysGreyWithoutAFrameAndGivesNoClick) {
    MoveCursorTo(Screen(140, 134));
    Sleep(400);
    ScreenShot hover = Shot();
    EXPECT_TRUE(NoFrame(hover, missing));
    EXPECT_GT(Inside(hover, missing, grey), 20);
    EXPECT_EQ(Inside(hover, missing, kLime), 0);
    PressLeftButton();
    Sleep(300);
    ScreenShot pressed = Shot();
    EXPECT_TRUE(NoFrame(pressed, missing));
    EXPECT_EQ(Inside(pressed, missing, kLime), 0);
    ReleaseLeftButton();
    EXPECT_EQ(menu->WaitForWindow("TMessageForm", 1000), nullptr);
}

TEST_F(MenuButtons, LeavingTheWindowQuicklyEndsTheHover) {
    MoveCursorTo(Screen(140, 74));
    ASSERT_TRUE(Frame(WaitFor([&](const ScreenShot& s) { return Frame(s, install, highlight, shadow); }), install,
                      highlight, shadow));
    // Straight off the window in one jump.
    MoveCursorTo(POINT{0, 0});
    EXPECT_TRUE(NoFrame(WaitFor([&](const ScreenShot& s) { return NoFrame(s, install); }), install));
}

TEST(MenuWithoutEntries, KeepsTheTemplateButtonAsDesignedAndItLaunchesNothing) {
    for (const char* count : {"0", "-3"}) {
        SCOPED_TRACE(count);
        DiscFolder disc;
        disc.CopyProgram();
        disc.Write("back.bmp", MakeBmp24(320, 200, Background));
        disc.WriteText("menu.ini", std::string("[Main]\r\nBackground=back.bmp\r\nProgCount=") + count +
                                       "\r\n[Prog_1]\r\nX=100\r\nY=100\r\nWidth=50\r\nHeight=20\r\n"
                                       "ExePath=menu.ini\r\nPreRunMessage=Clicked\r\n");
        MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
        const HWND window = menu.WaitForMenuWindow();
        ASSERT_NE(window, nullptr);
        const POINT origin = Describe(window).clientOrigin;
        const RECT client{origin.x, origin.y, origin.x + 320, origin.y + 200};
        // The template has no caption: nothing shows until the mouse comes over it at 7, 6, 233 x 24.
        MoveCursorTo(POINT{origin.x + 120, origin.y + 15});
        const COLORREF highlight = Rgb(GetSysColor(COLOR_BTNHIGHLIGHT));
        int frame = 0;
        for (int i = 0; i < 40 && frame != 231; ++i, Sleep(50))
            frame = ScreenShot(client).Count(RECT{origin.x + 8, origin.y + 6, origin.x + 239, origin.y + 7}, highlight);
        EXPECT_EQ(frame, 231);
        PressLeftButton();
        ReleaseLeftButton();
        EXPECT_EQ(menu.WaitForWindow("TMessageForm", 1000), nullptr);
        MoveCursorTo(POINT{0, 0});
    }
}

}  // namespace
