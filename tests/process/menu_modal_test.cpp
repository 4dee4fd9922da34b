// The message before a launch stays until the user answers it: minimising the program hides it with
// its owner, restoring shows it again, and the entry is launched only once the user has pressed Enter
// on it. The entry is clicked with the real mouse and the message answered with the real keyboard;
// minimising and restoring are what the taskbar button sends to the application window (this
// display has no taskbar).

#include <gtest/gtest.h>

#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

bool WaitUntil(bool (*done)(HWND), HWND window, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done(window)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}
bool Shown(HWND window) {
    return IsWindowVisible(window) != FALSE;
}
bool Hidden(HWND window) {
    return !IsWindowVisible(window);
}

class ModalMessage : public testing::Test {
protected:
    void SetUp() override {
        disc.CopyProgram();
        CreateDirectoryA(disc.PathOf("bin").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(RECORDER_EXE_PATH, disc.PathOf("bin\\recorder.exe").c_str(), FALSE));
        disc.Write("menu.bmp", MakeBmp24(320, 240, [](int, int) { return 0x204060u; }));
        disc.WriteText("menu.ini",
                       "[Main]\r\nProgCount=1\r\n[Prog_1]\r\nX=10\r\nY=10\r\nWidth=100\r\nHeight=20\r\n"
                       "ButtonText=Setup\r\nExePath=bin\\recorder.exe\r\nTerminateAfterStart=0\r\n"
                       "PreRunMessage=Insert disc 2.\r\n");
        menu = std::make_unique<MenuProcess>(disc.PathOf("menu.exe"), disc.Path());
        window = menu->WaitForMenuWindow();
        ASSERT_NE(window, nullptr);
        for (const WindowInfo& w : menu->Windows())
            if (w.className == "TApplication")
                application = w.handle;
        ASSERT_NE(application, nullptr);
        POINT button{60, 20};
        ClientToScreen(window, &button);
        MoveCursorTo(button);
        PressLeftButton();
        ReleaseLeftButton();
        dialog = menu->WaitForWindow("TMessageForm", 10000);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override { MoveCursorTo(POINT{0, 0}); }
    // The program minimised and restored from outside, as the shell's "minimise all" and the taskbar
    // button do it. Windows hides the windows of a minimised owner and shows them again with it, by
    // telling each that its owner closes or opens; Wine leaves them as they are, so the test tells them.
    void Minimise() const {
        ShowWindow(application, SW_MINIMIZE);
        TellOwned(FALSE, SW_PARENTCLOSING);
    }
    void Restore() const {
        ShowWindow(application, SW_RESTORE);
        TellOwned(TRUE, SW_PARENTOPENING);
    }
    void TellOwned(BOOL show, LPARAM reason) const {
        for (const WindowInfo& w : menu->Windows())
            if (GetWindow(w.handle, GW_OWNER) == application)
                SendMessageA(w.handle, WM_SHOWWINDOW, show, reason);
    }
    bool Launched() const {
        return GetFileAttributesA(disc.PathOf("bin\\launches.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    DiscFolder disc;
    std::unique_ptr<MenuProcess> menu;
    HWND window = nullptr, application = nullptr, dialog = nullptr;
};

TEST_F(ModalMessage, StaysUpThroughMinimisingAndRestoringAndOnlyTheUsersAnswerLaunches) {
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        Minimise();
        ASSERT_TRUE(WaitUntil(Hidden, window));
        ASSERT_TRUE(WaitUntil(Hidden, dialog));
        Sleep(500);
        EXPECT_FALSE(Launched());
        Restore();
        ASSERT_TRUE(WaitUntil(Shown, window));
        EXPECT_TRUE(WaitUntil(Shown, dialog)) << "the message shows again on restoring";
        Sleep(300);
        EXPECT_FALSE(Launched());
        EXPECT_FALSE(IsWindowEnabled(window));  // the menu still waits for the answer
    }
    SetForegroundWindow(dialog);
    TapKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil(Hidden, dialog));
    for (int i = 0; i < 500 && !Launched(); ++i)
        Sleep(20);
    EXPECT_TRUE(Launched());
    EXPECT_TRUE(WaitUntil([](HWND w) { return IsWindowEnabled(w) != FALSE; }, window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu->WaitForExit(), 0u);
}

}  // namespace
