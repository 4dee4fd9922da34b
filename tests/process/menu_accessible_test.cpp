// The running menu read as a screen reader reads it, from this separate process: the buttons as
// push buttons with their captions, shortcuts, states and places, hit testing where they overlap,
// and pressing one through its default action.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "shell/accessibleobject_win.h"
#include "tests/common/msaa_win.h"
#include "tests/process/accessible_reader_win.h"
#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

// Entry 1 is enabled (its target exists), entry 2 overlaps it and is disabled (no target), entry 3
// has no size. The background is plain grey.
const char* const kThreeEntries =
    "[Main]\r\nBackground=back.bmp\r\nAppName=Product disc\r\nProgCount=3\r\n"
    "[Prog_1]\r\nX=20\r\nY=30\r\nWidth=150\r\nHeight=28\r\nButtonText=&Install\r\nExePath=setup.exe\r\n"
    "TerminateAfterStart=0\r\n"
    "[Prog_2]\r\nX=120\r\nY=40\r\nWidth=150\r\nHeight=28\r\nButtonText=Read && print\r\nExePath=missing.exe\r\n"
    "[Prog_3]\r\nButtonText=Nothing\r\nExePath=setup.exe\r\n";

Bytes GreyBitmap() {
    return MakeBmp24(320, 200, [](int, int) { return 0x808080u; });
}

// Starts the menu with the mouse parked outside its window, so that no button is hovered.
struct RunningMenu {
    explicit RunningMenu(const char* ini) {
        disc.CopyProgram();
        disc.CopyProgram("setup.exe");
        disc.Write("back.bmp", GreyBitmap());
        disc.WriteText("menu.ini", ini);
        SetCursorPos(0, 0);
        menu = std::make_unique<MenuProcess>(disc.PathOf("menu.exe"), disc.Path());
        window = menu->WaitForMenuWindow();
        if (window)
            origin = Describe(window).clientOrigin;
    }
    ~RunningMenu() {
        if (window)
            PostMessageA(window, WM_CLOSE, 0, 0);
    }
    POINT At(int x, int y) const { return POINT{origin.x + x, origin.y + y}; }

    DiscFolder disc;
    std::unique_ptr<MenuProcess> menu;
    HWND window = nullptr;
    POINT origin{};
};

TEST(MenuAccessibility, ButtonsArePushButtonsWithTheirCaptionsShortcutsStatesAndPlaces) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    RunningMenu run(kThreeEntries);
    ASSERT_NE(run.window, nullptr);
    AccessibleReader reader(run.window);
    ASSERT_TRUE(reader.Valid()) << std::hex << reader.LastResult();
    EXPECT_EQ(reader.ChildCount(), 3);
    EXPECT_EQ(reader.Name(CHILDID_SELF), "Product disc");

    const struct {
        long child;
        const char* name;
        const char* shortcut;
        long state;
        RECT place;  // in client coordinates
    } cases[] = {
        {1, "Install", "Alt+I", STATE_SYSTEM_FOCUSABLE, {20, 30, 170, 58}},
        {2, "Read & print", "", STATE_SYSTEM_UNAVAILABLE, {120, 40, 270, 68}},
        {3, "Nothing", "", STATE_SYSTEM_INVISIBLE, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reader.Name(c.child), c.name);
        EXPECT_EQ(reader.Role(c.child), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(reader.Shortcut(c.child), c.shortcut);
        EXPECT_EQ(reader.DefaultAction(c.child), "Press");
        EXPECT_EQ(reader.State(c.child), c.state);
        const RECT r = reader.Location(c.child);
        EXPECT_EQ(r.left, run.origin.x + c.place.left);
        EXPECT_EQ(r.top, run.origin.y + c.place.top);
        EXPECT_EQ(r.right - r.left, c.place.right - c.place.left);
        EXPECT_EQ(r.bottom - r.top, c.place.bottom - c.place.top);
    }
    EXPECT_EQ(reader.Navigate(NAVDIR_FIRSTCHILD, CHILDID_SELF), 1);
    EXPECT_EQ(reader.Navigate(NAVDIR_NEXT, 1), 2);
    EXPECT_EQ(reader.Navigate(NAVDIR_LASTCHILD, CHILDID_SELF), 3);
    EXPECT_EQ(reader.Navigate(NAVDIR_NEXT, 3), -1);

    // Hovering shows in the state, and the state comes back when the mouse leaves.
    SetCursorPos(run.At(30, 35).x, run.At(30, 35).y);
    long hovered = 0;
    for (int i = 0; i < 50 && !(hovered & STATE_SYSTEM_HOTTRACKED); ++i, Sleep(50))
        hovered = reader.State(1);
    EXPECT_EQ(hovered, STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSABLE);
    SetCursorPos(0, 0);
    for (int i = 0; i < 50 && hovered != STATE_SYSTEM_FOCUSABLE; ++i, Sleep(50))
        hovered = reader.State(1);
    EXPECT_EQ(hovered, STATE_SYSTEM_FOCUSABLE);
}

TEST(MenuAccessibility, HitTestingFindsTheTopmostButtonFromTheWindowOrThePoint) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    RunningMenu run(kThreeEntries);
    ASSERT_NE(run.window, nullptr);
    AccessibleReader reader(run.window);
    ASSERT_TRUE(reader.Valid());
    const struct {
        int x, y;
        long child;
    } cases[] = {
        {25, 35, 1},               // the first button alone
        {150, 50, 2},              // both: the later entry lies above
        {300, 150, CHILDID_SELF},  // the background
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reader.HitTest(run.At(c.x, c.y)), c.child) << c.x << "," << c.y;
        // A screen reader following the mouse asks the window under the point.
        long child = -1;
        AccessibleReader found = AccessibleReader::AtPoint(run.At(c.x, c.y), &child);
        ASSERT_TRUE(found.Valid()) << std::hex << found.LastResult();
        EXPECT_EQ(child, c.child) << c.x << "," << c.y;
        if (c.child != CHILDID_SELF)
            EXPECT_EQ(found.Name(child), reader.Name(c.child));
    }
}

// Pressing through the default action: the call returns while the entry's message is up; the message
// reads as static text; its OK button continues the launch; the menu stays open for the next one.
TEST(MenuAccessibility, PressLaunchesTheEntryAfterItsMessageWithoutBlockingTheReader) {
    SKIP_WITHOUT_ACCESSIBLE_OBJECTS();
    ComScope com;
    DiscFolder disc;
    disc.CopyProgram();
    ASSERT_TRUE(CopyFileA(RECORDER_EXE_PATH, disc.PathOf("setup.exe").c_str(), FALSE));
    disc.Write("back.bmp", GreyBitmap());
    disc.WriteText("menu.ini",
                   "[Main]\r\nBackground=back.bmp\r\nProgCount=2\r\n"
                   "[Prog_1]\r\nX=20\r\nY=30\r\nWidth=150\r\nHeight=28\r\nButtonText=&Install\r\nExePath=setup.exe\r\n"
                   "PreRunMessage=Insert disc &2 && press OK\r\nTerminateAfterStart=0\r\n"
                   "[Prog_2]\r\nX=20\r\nY=80\r\nWidth=150\r\nHeight=28\r\nButtonText=Gone\r\nExePath=gone.exe\r\n");
    SetCursorPos(0, 0);
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    AccessibleReader reader(window);
    ASSERT_TRUE(reader.Valid());

    EXPECT_EQ(reader.DoDefaultAction(2), DISP_E_MEMBERNOTFOUND);  // disabled: no press
    EXPECT_EQ(reader.DoDefaultAction(1), S_OK);                   // returns with the message still to come
    const HWND dialog = menu.WaitForWindow("TMessageForm");
    ASSERT_NE(dialog, nullptr);
    {
        AccessibleReader text(dialog);
        ASSERT_TRUE(text.Valid());
        EXPECT_EQ(text.ChildCount(), 2);
        EXPECT_EQ(text.Name(1), "Insert disc 2 & press OK");
        EXPECT_EQ(text.Role(1), ROLE_SYSTEM_STATICTEXT);
        IDispatch* button = nullptr;
        ASSERT_EQ(text.Object()->get_accChild(ChildIdVariant(2), &button), S_OK);
        HWND ok = nullptr;
        EXPECT_EQ(WindowFromAccessibleObject(reinterpret_cast<IAccessible*>(button), &ok), S_OK);
        button->Release();
        EXPECT_EQ(AccessibleReader(ok).Name(CHILDID_SELF), "OK");
        PostMessageA(ok, BM_CLICK, 0, 0);
        for (int i = 0; i < 100 && IsWindow(dialog); ++i)
            Sleep(50);
        // The dialog is gone, the menu is not: the dialog's object says it is disconnected.
        EXPECT_EQ(text.Name(1), "");
        EXPECT_EQ(text.LastResult(), RPC_E_DISCONNECTED) << std::hex << text.LastResult();
    }
    std::string launches;
    for (int i = 0; i < 100 && launches.empty(); ++i, Sleep(50)) {
        std::ifstream file(disc.PathOf("launches.txt"));
        std::stringstream content;
        content << file.rdbuf();
        launches = content.str();
    }
    EXPECT_NE(launches.find("command: "), std::string::npos) << launches;
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(reader.Name(1), "Install");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

}  // namespace
