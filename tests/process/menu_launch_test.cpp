// Clicking the menu's buttons in a real menu.exe: the exact file, parameters and folder the target
// gets, a document opened by the program registered for its type, the order of messages and launch,
// staying open or closing, and a target gone since start-up. The target is the recorder program,
// which writes how it was started beside itself.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

constexpr char kParams[] = "/s \"C:\\Program Files\\x\" --name=\"a b\" -q";

// A disc with the recorder in bin\, a data folder, a document of the test's own type in docs\ and a
// menu.ini whose entries are one 100 x 20 button per row from the top.
class LaunchDisc : public DiscFolder {
public:
    explicit LaunchDisc(const std::string& entries, int count) {
        CopyProgram();
        CreateDirectoryA(PathOf("bin").c_str(), nullptr);
        CreateDirectoryA(PathOf("data").c_str(), nullptr);
        CreateDirectoryA(PathOf("docs").c_str(), nullptr);
        if (!CopyFileA(RECORDER_EXE_PATH, PathOf("bin\\recorder.exe").c_str(), FALSE))
            throw std::runtime_error("cannot copy the recorder");
        WriteText("docs\\readme.menutestdoc", "text");
        Write("menu.bmp", MakeBmp24(320, 240, [](int, int) { return 0x204060u; }));
        WriteText("menu.ini",
                  "[Main]\r\nAppTaskName=Product disc\r\nProgCount=" + std::to_string(count) + "\r\n" + entries);
    }
    // What the recorder wrote once it has been started `launches` times; empty after the time-out.
    std::string Record(int launches, DWORD timeoutMs = 15000) const {
        const DWORD start = GetTickCount();
        do {
            std::ifstream in(PathOf("bin\\launches.txt"), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            const std::string s = text.str();
            int count = 0;
            for (size_t at = s.find("folder: "); at != std::string::npos; at = s.find("folder: ", at + 1))
                ++count;
            if (count >= launches && s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0)
                return s;
            Sleep(50);
        } while (GetTickCount() - start < timeoutMs);
        return "";
    }
    bool Recorded() const { return GetFileAttributesA(PathOf("bin\\launches.txt").c_str()) != INVALID_FILE_ATTRIBUTES; }
};

std::string Entry(int n, const std::string& keys) {
    return "[Prog_" + std::to_string(n) + "]\r\nX=10\r\nY=" + std::to_string(10 + 30 * (n - 1)) +
           "\r\nWidth=100\r\nHeight=20\r\nButtonText=Entry " + std::to_string(n) + "\r\n" + keys;
}

// Clicks the n-th button (the row layout above) with the mouse messages a real click gives.
void ClickEntry(HWND menuWindow, int n) {
    POINT p{60, 20 + 30 * (n - 1)};
    ClientToScreen(menuWindow, &p);
    SetCursorPos(p.x, p.y);
    HWND target = WindowFromPoint(p);
    POINT local = p;
    ScreenToClient(target, &local);
    const LPARAM at = MAKELPARAM(local.x, local.y);
    PostMessageA(target, WM_MOUSEMOVE, 0, at);
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
}

// The test's document type, opened by the recorder of one disc, registered in the classes root (the
// shell under Wine does not look at the current user's own classes).
class DocumentType {
public:
    explicit DocumentType(const std::string& recorder) {
        SetValue(".menutestdoc", "MenuTest.Document");
        SetValue("MenuTest.Document\\shell\\open\\command", "\"" + recorder + "\" \"%1\"");
    }
    ~DocumentType() {
        for (const char* key : {"MenuTest.Document\\shell\\open\\command", "MenuTest.Document\\shell\\open",
                                "MenuTest.Document\\shell", "MenuTest.Document", ".menutestdoc"})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }

private:
    static void SetValue(const std::string& key, const std::string& value) {
        RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
    }
};

TEST(MenuLaunch, GivesTheTargetItsFileParametersAndFolderAndStaysOpenWhenAsked) {
    const std::string stay = "TerminateAfterStart=0\r\n";
    LaunchDisc disc(Entry(1, "ExePath=bin\\recorder.exe\r\nExeCommandLine=" + std::string(kParams) + "\r\n" + stay) +
                        Entry(2, "ExePath=bin\\recorder.exe\r\nExeWorkingPath=data\r\n" + stay) +
                        Entry(3, "ExePath=docs\\readme.menutestdoc\r\n" + stay),
                    3);
    DocumentType type(disc.PathOf("bin\\recorder.exe"));
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);

    ClickEntry(window, 1);
    std::string record = disc.Record(1);
    EXPECT_NE(record.find("recorder.exe\" " + std::string(kParams) + "\r\nfolder: " + disc.PathOf("bin") + "\r\n"),
              std::string::npos)
        << record;
    ClickEntry(window, 2);  // a relative working folder, relative to the menu's current folder
    record = disc.Record(2);
    EXPECT_NE(record.find("folder: " + disc.PathOf("data") + "\r\n"), std::string::npos) << record;
    ClickEntry(window, 3);  // a document: opened by the program registered for its type, in its folder
    record = disc.Record(3);
    EXPECT_NE(record.find("\"" + disc.PathOf("docs\\readme.menutestdoc") + "\"\r\nfolder: " + disc.PathOf("docs")),
              std::string::npos)
        << record;
    ClickEntry(window, 1);  // the same entry again
    EXPECT_FALSE(disc.Record(4).empty());

    EXPECT_EQ(menu.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

TEST(MenuLaunch, ShowsTheDialogThenLaunchesThenTheDialogThenCloses) {
    LaunchDisc disc(Entry(1,
                          "ExePath=bin\\recorder.exe\r\nPreRunMessage=Insert disc 2.\r\n"
                          "AfterRunMessage=Setup is running.\r\n"),  // TerminateAfterStart missing: closes
                    1);
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    ClickEntry(window, 1);
    ASSERT_NE(menu.WaitForWindow("TMessageForm", 15000), nullptr);
    EXPECT_FALSE(IsWindowEnabled(window));  // the menu takes no input meanwhile
    Sleep(300);
    EXPECT_FALSE(disc.Recorded());
    ASSERT_TRUE(ConfirmDialog(menu));
    EXPECT_FALSE(disc.Record(1).empty());
    ASSERT_TRUE(ConfirmDialog(menu));
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

TEST(MenuLaunch, ATargetGoneSinceStartUpIsReportedOnceAndTheMenuStaysOpen) {
    LaunchDisc disc(Entry(1, "ExePath=bin\\recorder.exe\r\nAfterRunMessage=Never shown.\r\n"), 1);
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(DeleteFileA(disc.PathOf("bin\\recorder.exe").c_str()));
    ClickEntry(window, 1);
    const HWND box = menu.WaitForWindow("#32770", 15000);
    ASSERT_NE(box, nullptr);
    const BoxText shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, "Product disc");
    EXPECT_NE(shown.text.find(disc.PathOf("bin\\recorder.exe")), std::string::npos) << shown.text;
    DismissMessageBox(box);
    Sleep(500);
    EXPECT_EQ(menu.WaitForWindow("TMessageForm", 500), nullptr);
    EXPECT_EQ(menu.WaitForWindow("#32770", 300), nullptr);
    EXPECT_EQ(menu.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));
    for (int i = 0; i < 250 && !IsWindowEnabled(window); ++i)  // enabled again once the box has gone
        Sleep(20);
    EXPECT_TRUE(IsWindowEnabled(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

}  // namespace
