// The menu program run as a real process in temporary disc folders, observed from outside.

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/bytes.h"
#include "tests/common/icobuilder.h"
#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

// A picture whose every pixel can be recomputed: colour bands that change along both axes.
uint32_t TestPixel(int x, int y) {
    return (static_cast<uint32_t>(x * 7 & 0xFF) << 16) | (static_cast<uint32_t>(y * 5 & 0xFF) << 8) | 0x40;
}

Bytes TestBitmap(int width, int height) {
    return MakeBmp24(width, height, TestPixel);
}

const char* const kOneEntry =
    "[Main]\r\nBackground=back.bmp\r\nAppName=Product disc\r\nAppTaskName=Product setup\r\nProgCount=1\r\n"
    "[Prog_1]\r\nX=40\r\nY=60\r\nWidth=200\r\nHeight=28\r\nButtonText=Install\r\nExePath=setup.exe\r\n";

// The system's text for an error code, as the program's reports give it: one line ending in a period.
std::string SystemErrorText(DWORD code) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                   nullptr);
    std::string line(text);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
        line.pop_back();
    if (line.empty() || line.back() != '.')
        line += '.';
    return line;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

// Starts the program and expects the system's error box; returns its text and caption after
// pressing OK, and checks that no menu window ever appeared and that the process ended with 0.
BoxText ExpectStartupError(const DiscFolder& disc, const std::string& exeName = "menu.exe") {
    MenuProcess menu(disc.PathOf(exeName), disc.Path());
    const HWND box = menu.WaitForWindow("#32770");
    EXPECT_NE(box, nullptr) << "no error box";
    if (!box)
        return {};
    const BoxText shown = ReadMessageBox(box);
    for (const WindowInfo& w : menu.Windows())
        EXPECT_TRUE(w.className == "TApplication" || w.className == "#32770" || !w.visible)
            << "unexpected visible window of class " << w.className;
    DismissMessageBox(box);
    EXPECT_EQ(menu.WaitForExit(), 0u);
    return shown;
}

}  // namespace

TEST(MenuProcess, ShowsTheBackgroundAtItsExactSizeWithCaptionAndTaskbarTitle) {
    DiscFolder disc;
    disc.CopyProgram();
    disc.Write("back.bmp", TestBitmap(640, 480));
    disc.WriteText("menu.ini", kOneEntry);
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());

    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    const WindowInfo info = Describe(window);
    EXPECT_EQ(Width(info.clientRect), 640);
    EXPECT_EQ(Height(info.clientRect), 480);
    EXPECT_EQ(info.text, "Product disc");

    // Fixed size, minimise box only.
    EXPECT_TRUE(info.style & WS_CAPTION);
    EXPECT_TRUE(info.style & WS_SYSMENU);
    EXPECT_TRUE(info.style & WS_MINIMIZEBOX);
    EXPECT_FALSE(info.style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(info.style & WS_THICKFRAME);

    // Centred on the screen.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(info.windowRect.left, (screenWidth - Width(info.windowRect)) / 2);
    EXPECT_EQ(info.windowRect.top, (screenHeight - Height(info.windowRect)) / 2);

    // The taskbar button belongs to the hidden application window, titled from AppTaskName.
    bool sawApplication = false;
    for (const WindowInfo& w : menu.Windows()) {
        if (w.className != "TApplication")
            continue;
        sawApplication = true;
        EXPECT_EQ(w.text, "Product setup");
        EXPECT_EQ(static_cast<DWORD>(w.style) & ~static_cast<DWORD>(WS_VISIBLE), 0x84CA0000u);
        EXPECT_EQ(GetWindow(window, GW_OWNER), w.handle);
    }
    EXPECT_TRUE(sawApplication);

    // What a person sees: the bitmap pixel for pixel from the client origin, corners included.
    Sleep(500);
    for (POINT p : {POINT{0, 0}, POINT{639, 0}, POINT{0, 479}, POINT{639, 479}, POINT{321, 17}}) {
        const POINT screen{info.clientOrigin.x + p.x, info.clientOrigin.y + p.y};
        EXPECT_EQ(ScreenPixel(screen), TestPixel(p.x, p.y)) << "at " << p.x << "," << p.y;
    }

    // Closing the window ends the process with exit code 0, and the taskbar button (the application
    // window) is gone by the time the menu window is.
    PostMessageA(window, WM_CLOSE, 0, 0);
    for (int i = 0; i < 20000 && IsWindowVisible(window); ++i)
        Sleep(1);
    for (const WindowInfo& w : menu.Windows())
        EXPECT_FALSE(w.visible) << w.className;
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

TEST(MenuProcess, EmptyCaptionAndTaskbarTitleStayEmpty) {
    DiscFolder disc;
    disc.CopyProgram();
    disc.Write("menu.bmp", TestBitmap(200, 100));
    disc.WriteText("menu.ini", "[Main]\r\nAppName=\r\nProgCount=0\r\n");
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Describe(window).text, "");
    for (const WindowInfo& w : menu.Windows()) {
        if (w.className == "TApplication")
            EXPECT_EQ(w.text, "");
    }
    EXPECT_EQ(Width(Describe(window).clientRect), 200);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

TEST(MenuProcess, BitmapLargerThanTheScreenStartsAtTheTopLeftCorner) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    DiscFolder disc;
    disc.CopyProgram();
    disc.Write("menu.bmp", TestBitmap(screenWidth + 200, screenHeight + 100));
    disc.WriteText("menu.ini", "[Main]\r\nAppName=Big\r\n");
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    const WindowInfo info = Describe(window);
    EXPECT_EQ(info.windowRect.left, 0);
    EXPECT_EQ(info.windowRect.top, 0);
    EXPECT_EQ(Width(info.clientRect), screenWidth + 200);
    EXPECT_EQ(Height(info.clientRect), screenHeight + 100);
}

TEST(MenuProcess, IgnoresItsCommandLine) {
    DiscFolder disc;
    disc.CopyProgram();
    disc.Write("back.bmp", TestBitmap(320, 200));
    disc.WriteText("menu.ini", kOneEntry);
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path(), "/s other.ini \"C:\\elsewhere\" -x");
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Describe(window).text, "Product disc");
    EXPECT_EQ(Width(Describe(window).clientRect), 320);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

TEST(MenuProcess, ReadsTheDefinitionBesideTheProgramNotTheCurrentFolder) {
    DiscFolder disc, elsewhere;
    disc.CopyProgram();
    disc.Write("back.bmp", TestBitmap(300, 150));
    disc.WriteText("menu.ini", kOneEntry);
    elsewhere.WriteText("menu.ini", "[Main]\r\nAppName=Wrong file\r\n");
    MenuProcess menu(disc.PathOf("menu.exe"), elsewhere.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Describe(window).text, "Product disc");
}

// --- start-up failures: the error box, then exit code 0 and no menu window --------------------------

TEST(MenuProcessFailure, MissingBackgroundNamesTheFullPathUnderTheDefaultTitle) {
    DiscFolder disc;
    disc.CopyProgram("MENU.EXE");
    disc.WriteText("menu.ini", "[Main]\r\nAppTaskName=Never shown\r\n");
    const BoxText box = ExpectStartupError(disc, "MENU.EXE");
    EXPECT_EQ(box.text, "Cannot open file " + disc.PathOf("menu.bmp") + ".");
    EXPECT_EQ(box.caption, "Menu");
}

TEST(MenuProcessFailure, DefaultTitleKeepsTheFirstPartOfTheProgramName) {
    DiscFolder disc;
    disc.CopyProgram("SETUP.Start.menu.exe");
    const BoxText box = ExpectStartupError(disc, "SETUP.Start.menu.exe");
    EXPECT_EQ(box.caption, "Setup");
}

TEST(MenuProcessFailure, NotABitmap) {
    DiscFolder disc;
    disc.CopyProgram();
    disc.WriteText("menu.bmp", "GIF89a this is not a bitmap at all");
    EXPECT_EQ(ExpectStartupError(disc).text, "Bitmap image is not valid.");
}

TEST(MenuProcessFailure, BitmapOfFewerThanFourteenBytes) {
    DiscFolder disc;
    disc.CopyProgram();
    disc.WriteText("menu.bmp", "BM123");
    EXPECT_EQ(ExpectStartupError(disc).text, "Stream read error.");
}

TEST(MenuProcessFailure, BitmapEndingInsideItsColourTable) {
    testbmp::BmpFields fields;
    fields.bitCount = 8;                  // a 1024-byte colour table...
    fields.colorTable.assign(100, 0x55);  // ...of which the file holds 100 bytes
    DiscFolder disc;
    disc.CopyProgram();
    disc.Write("menu.bmp", testbmp::Build(fields));
    EXPECT_EQ(ExpectStartupError(disc).text, "Stream read error.");
}

TEST(MenuProcessFailure, BitmapTheSystemRefusesToCreate) {
    // A valid header for a picture far larger than any bitmap the system can make.
    testbmp::BmpFields huge;
    huge.width = huge.height = 60000;
    huge.bitCount = 32;
    huge.pixels.assign(64, 0x80);
    DiscFolder disc;
    disc.CopyProgram();
    disc.Write("menu.bmp", testbmp::Build(huge));
    const std::string text = ExpectStartupError(disc).text;
    // The system's refusal comes with its error code and text, or without a code.
    const bool withCode = text.rfind("Win32 Error.  Code: ", 0) == 0 && text.find(".\n") != std::string::npos;
    EXPECT_TRUE(withCode || text == "Bitmap image is not valid.") << text;
}

TEST(MenuProcessFailure, IconErrorsCarryTheTitleFromTheDefinition) {
    struct Case {
        const char* name;
        Bytes icon;  // empty: no file at all
        std::string text;
    };
    const Bytes cursor = {0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    // Good directories whose image fails only when decoded: the image's offset (directory byte 18),
    // its header's width (image byte 4) and bit count (image byte 14).
    const Bytes good = testico::Build({testico::Image{}});
    const auto patched = [&good](size_t at, uint32_t value, int bytes) {
        Bytes icon = good;
        bytes == 2 ? PutU16(&icon[at], static_cast<uint16_t>(value)) : PutU32(&icon[at], value);
        return icon;
    };
    const Case cases[] = {
        {"missing", {}, ""},
        {"short", {0, 0, 1}, "Stream read error."},
        {"cursor", cursor, "Icon image is not valid."},
        {"pixels outside the file", patched(6 + 12, 0x10000, 4), "Icon image is not valid."},
        {"unsupported bit count", patched(22 + 14, 7, 2), SystemErrorText(ERROR_INVALID_PARAMETER)},
        {"too large to create", patched(22 + 4, 0x40000000, 4), "Out of system resources."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiscFolder disc;
        disc.CopyProgram();
        disc.Write("menu.bmp", TestBitmap(64, 64));
        disc.WriteText("menu.ini", "[Main]\r\nIcon=disc.ico\r\nAppTaskName=Disc title\r\n");
        if (!c.icon.empty())
            disc.Write("disc.ico", c.icon);
        const BoxText box = ExpectStartupError(disc);
        EXPECT_EQ(box.caption, "Disc title");
        EXPECT_EQ(box.text, c.icon.empty() ? "Cannot open file " + disc.PathOf("disc.ico") + "." : c.text);
    }
}

TEST(MenuProcess, StartedFromADriveRoot) {
    // The test bench maps a drive letter of its own to an empty host folder, as a disc has one.
    const char* drive = std::getenv("MENU_TEST_DISC_DRIVE");
    ASSERT_NE(drive, nullptr) << "MENU_TEST_DISC_DRIVE is not set";
    const std::string root = std::string(drive) + "\\";
    DiscFolder disc(root);
    disc.CopyProgram();
    disc.Write("menu.bmp", TestBitmap(64, 64));
    disc.WriteText("menu.ini", "[Main]\r\nIcon=missing.ico\r\nAppTaskName=Root disc\r\n");

    // The definition is read from the root (its title is used) and names resolve against it.
    MenuProcess menu(root + "menu.exe", root);
    const HWND error = menu.WaitForWindow("#32770");
    ASSERT_NE(error, nullptr);
    const BoxText box = ReadMessageBox(error);
    EXPECT_EQ(box.text, "Cannot open file " + root + "missing.ico.");
    EXPECT_EQ(box.caption, "Root disc");
    DismissMessageBox(error);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}
