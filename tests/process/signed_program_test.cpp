// A copy of dist/menu.exe signed with osslsigncode, named by MENU_TEST_SIGNED_EXE (tests/signing.sh
// makes it), started as a process: it runs as the unsigned program does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

TEST(SignedProgram, StartsAndShowsItsWindow) {
    const char* signedExe = std::getenv("MENU_TEST_SIGNED_EXE");
    ASSERT_NE(signedExe, nullptr) << "MENU_TEST_SIGNED_EXE is not set";
    DiscFolder disc;
    ASSERT_TRUE(CopyFileA(signedExe, disc.PathOf("menu.exe").c_str(), FALSE));
    disc.Write("menu.bmp", MakeBmp24(200, 120, [](int, int) { return 0x306090u; }));
    disc.WriteText("menu.ini", "[Main]\r\nAppName=Signed disc\r\nProgCount=0\r\n");
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    const WindowInfo info = Describe(window);
    EXPECT_EQ(info.text, "Signed disc");
    EXPECT_EQ(info.clientRect.right, 200);
    EXPECT_EQ(info.clientRect.bottom, 120);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

}  // namespace
