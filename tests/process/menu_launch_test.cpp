// Clicking the menu's buttons in a real menu.exe: the exact file, parameters and folder the target
// gets, a document opened by the program registered for its type, the order of messages and launch,
// staying open or closing, and a target gone since start-up. The target is the recorder program,
// which writes how it was started beside itself.
#include <gtest/gtest.h>

#include "tests/process/launch_disc_win.h"
#include "tests/process/menu_process_win.h"

namespace {

constexpr char kParams[] = "/s \"C:\\Program Files\\x\" --name=\"a b\" -q";

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
