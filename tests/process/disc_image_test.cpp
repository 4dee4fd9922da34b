// The shipped menu.exe run from a pressed disc. tests/disc_image.sh builds the disc folder below, makes
// ISO 9660 images of it, extracts them, read-only through a bind mount (writable only for the check
// that the menu writes nothing, where a write would land and be found), and gives each to Wine as the
// CD-ROM drive named by MENU_TEST_CDROM (drive type "cdrom"); it runs these tests one at a time, each
// on the image its name says. The launch target (setup\setup.exe, the recorder) records to the file
// named by RECORDER_LOG, since the disc cannot be written.
//
//   menu.exe  menu.ini  menu.bmp (320 x 200)  disc.ico  readme.txt
//   setup\setup.exe  docs\manual.txt  docs\User guide.txt
//
// [Prog_1] "&Install" setup\setup.exe /from-disc in the relative folder setup, after a message;
// [Prog_2] "Manual" docs\manual.txt; [Prog_3] "User guide" docs\User guide.txt; [Prog_4] "Extras"
// extras\setup.exe, which is not on the disc. Each button is 200 x 28 at x 10, y 10 + 34 per row, its
// caption red; the background is blue.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/process/menu_process_win.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Entry n's button, on the screen of a menu window whose client area starts at `origin`.
RECT Button(POINT origin, int n) {
    const int top = origin.y + 10 + 34 * (n - 1);
    return RECT{origin.x + 10, top, origin.x + 210, top + 28};
}

// The menu started from the root of the CD-ROM drive, with the cursor away from its window.
struct MenuOnCdrom {
    MenuOnCdrom() : root(Environment("MENU_TEST_CDROM") + "\\") {
        MoveCursorTo(POINT{0, 0});
        menu = std::make_unique<MenuProcess>(root + "menu.exe", root);
    }
    POINT Entry(int n) const {  // the middle of entry n's button, on the screen
        const RECT button = Button(Describe(window).clientOrigin, n);
        return POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    }
    void Click(int n) const {
        MoveCursorTo(Entry(n));
        Sleep(100);
        PressLeftButton();
        ReleaseLeftButton();
    }

    std::string root;
    std::unique_ptr<MenuProcess> menu;
    HWND window = nullptr;
};

// The drive is what the test bench promised: a CD-ROM drive whose root holds the menu.
void ExpectCdromDrive(const std::string& root) {
    ASSERT_EQ(root.size(), 3u) << "MENU_TEST_CDROM names no drive";
    EXPECT_EQ(GetDriveTypeA(root.c_str()), static_cast<UINT>(DRIVE_CDROM));
    ASSERT_NE(GetFileAttributesA((root + "menu.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Each button's enabled state as the screen shows it: the captions are red (FontInfo clRed) on a blue
// background, a disabled button's caption is grey; inside the frame, so a hovered button (black caption,
// grey and white frame) is neither. The cursor goes away first; waits up to two seconds for the paint.
std::vector<bool> EnabledButtons(const MenuOnCdrom& run) {
    const COLORREF red = 0xFF0000, grey = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF greyRgb = RGB(GetBValue(grey), GetGValue(grey), GetRValue(grey));
    const POINT origin = Describe(run.window).clientOrigin;
    MoveCursorTo(POINT{0, 0});
    std::vector<bool> enabled;
    for (int i = 0; i < 40; ++i) {
        const ScreenShot shot(RECT{origin.x, origin.y, origin.x + 320, origin.y + 200});
        enabled.clear();
        bool painted = true;
        for (int n = 1; n <= 4; ++n) {
            RECT button = Button(origin, n);
            InflateRect(&button, -1, -1);
            const bool isRed = shot.Count(button, red) > 20, isGrey = shot.Count(button, greyRgb) > 20;
            painted = painted && isRed != isGrey;
            enabled.push_back(isRed);
        }
        if (painted)
            break;
        Sleep(50);
    }
    return enabled;
}

// What the recorder wrote once it has run; empty after the time-out.
std::string Recorded() {
    for (int i = 0; i < 300; ++i) {
        std::ifstream in(Environment("RECORDER_LOG"), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        if (s.find("folder: ") != std::string::npos && s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0)
            return s;
        Sleep(50);
    }
    return "";
}

// Installs from the disc: the message first, then the program in the relative folder setup.
void InstallFromTheDisc(const MenuOnCdrom& run) {
    run.Click(1);
    ASSERT_TRUE(ConfirmDialog(*run.menu));
    const std::string record = Recorded();
    EXPECT_NE(
        record.find("command: \"" + run.root + "setup\\setup.exe\" /from-disc\r\nfolder: " + run.root + "setup\r\n"),
        std::string::npos)
        << record;
}

void CloseMenu(const MenuOnCdrom& run) {
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.menu->WaitForExit(), 0u);
}

TEST(FromCdrom, JolietImageShowsTheMenuAndLaunchesFromTheReadOnlyDisc) {
    MenuOnCdrom run;
    ASSERT_NO_FATAL_FAILURE(ExpectCdromDrive(run.root));
    // Extracted read-only: nothing can be created on the disc.
    const HANDLE probe = CreateFileA((run.root + "probe.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(probe, INVALID_HANDLE_VALUE) << "the disc can be written";
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        DeleteFileA((run.root + "probe.txt").c_str());
    }
    run.window = run.menu->WaitForMenuWindow();
    ASSERT_NE(run.window, nullptr);
    const WindowInfo info = Describe(run.window);
    EXPECT_EQ(info.text, "Disc from a drive");
    EXPECT_EQ(info.clientRect.right, 320);
    EXPECT_EQ(info.clientRect.bottom, 200);
    EXPECT_EQ(EnabledButtons(run), (std::vector<bool>{true, true, true, false}));
    ASSERT_NO_FATAL_FAILURE(InstallFromTheDisc(run));
    CloseMenu(run);
}

// Plain ISO 9660 level 1 has only upper-case 8.3 names; they match the definition's names in any
// letter case, except a long name, whose button is grey.
TEST(FromCdrom, Level1ImageFindsItsUpperCaseFiles) {
    MenuOnCdrom run;
    ASSERT_NO_FATAL_FAILURE(ExpectCdromDrive(run.root));
    ASSERT_NE(GetFileAttributesA((run.root + "MENU.INI").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((run.root + "docs\\User guide.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    run.window = run.menu->WaitForMenuWindow();
    ASSERT_NE(run.window, nullptr);
    EXPECT_EQ(Describe(run.window).text, "Disc from a drive");
    EXPECT_EQ(EnabledButtons(run), (std::vector<bool>{true, true, false, false}));
    CloseMenu(run);
}

// The same disc with Background=background.bmp: level 1 names it BACKGROU.BMP, and the error box
// says which file the menu did not find.
TEST(FromCdrom, Level1ImageNamesTheBackgroundItCannotFind) {
    MenuOnCdrom run;
    ASSERT_NO_FATAL_FAILURE(ExpectCdromDrive(run.root));
    const HWND error = run.menu->WaitForWindow("#32770");
    ASSERT_NE(error, nullptr);
    const BoxText box = ReadMessageBox(error);
    EXPECT_EQ(box.text, "Cannot open file " + run.root + "background.bmp.");
    EXPECT_EQ(box.caption, "Menu");  // the default title, from the program's name: the definition is not used
    DismissMessageBox(error);
    EXPECT_EQ(run.menu->WaitForExit(), 0u);
}

// What a user does with the menu, for the check that it writes nothing: start-up, the mouse over
// every button and away again, the installer's message and its launch, closing.
TEST(FromCdrom, StartHoverDialogLaunchAndClose) {
    MenuOnCdrom run;
    ASSERT_NO_FATAL_FAILURE(ExpectCdromDrive(run.root));
    run.window = run.menu->WaitForMenuWindow();
    ASSERT_NE(run.window, nullptr);
    for (int round = 0; round < 3; ++round) {
        for (int n = 1; n <= 4; ++n) {
            MoveCursorTo(run.Entry(n));
            Sleep(30);
        }
        MoveCursorTo(POINT{0, 0});
        Sleep(30);
    }
    ASSERT_NO_FATAL_FAILURE(InstallFromTheDisc(run));
    CloseMenu(run);
}

}  // namespace
