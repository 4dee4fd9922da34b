// The libraries a running menu.exe has loaded, listed from outside: the screen-reader interface and
// the shell are loaded when first used, not at start-up, and then do what they did before.
#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "base/handles_win.h"
#include "tests/common/msaa_win.h"
#include "tests/process/accessible_reader_win.h"
#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

// The file names of the modules loaded in the process, in lower case.
std::set<std::string> LoadedModules(DWORD processId) {
    std::set<std::string> names;
    const UniqueFile process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process)
        return names;
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!EnumProcessModules(process.get(), modules, sizeof modules, &bytes))
        return names;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        char name[MAX_PATH];
        if (const DWORD length = GetModuleBaseNameA(process.get(), modules[i], name, MAX_PATH)) {
            std::string lower(name, length);
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
            names.insert(lower);
        }
    }
    return names;
}

bool Loaded(const std::set<std::string>& modules, const char* name) {
    return modules.count(name) != 0;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

TEST(MenuLibraries, TheScreenReaderInterfaceAndTheShellLoadWhenFirstUsed) {
    DiscFolder disc;
    disc.CopyProgram();
    ASSERT_TRUE(CopyFileA(RECORDER_EXE_PATH, disc.PathOf("setup.exe").c_str(), FALSE));
    disc.Write("back.bmp", MakeBmp24(320, 200, [](int, int) { return 0x808080u; }));
    disc.WriteText("menu.ini",
                   "[Main]\r\nBackground=back.bmp\r\nProgCount=1\r\n"
                   "[Prog_1]\r\nX=20\r\nY=30\r\nWidth=150\r\nHeight=28\r\nButtonText=&Install\r\nExePath=setup.exe\r\n"
                   "TerminateAfterStart=0\r\n");
    SetCursorPos(0, 0);
    MenuProcess menu(disc.PathOf("menu.exe"), disc.Path());
    const HWND window = menu.WaitForMenuWindow();
    ASSERT_NE(window, nullptr);

    const std::set<std::string> atStart = LoadedModules(menu.Id());
    ASSERT_TRUE(Loaded(atStart, "user32.dll")) << "the process's modules cannot be listed";
    for (const char* name : {"oleacc.dll", "oleaut32.dll", "shell32.dll"})
        EXPECT_FALSE(Loaded(atStart, name)) << name << " is loaded before it is used";

    if (StandardAccessibleObjectsAvailable()) {
        ComScope com;
        AccessibleReader reader(window);
        ASSERT_TRUE(reader.Valid());
        EXPECT_EQ(reader.Name(1), "Install");
        const std::set<std::string> read = LoadedModules(menu.Id());
        EXPECT_TRUE(Loaded(read, "oleacc.dll"));
        EXPECT_TRUE(Loaded(read, "oleaut32.dll"));
        EXPECT_FALSE(Loaded(read, "shell32.dll"));
    }

    // A click launches the entry through the shell, loaded now.
    const POINT origin = Describe(window).clientOrigin;
    MoveCursorTo(POINT{origin.x + 60, origin.y + 40});
    PressLeftButton();
    ReleaseLeftButton();
    std::string launches;
    for (int i = 0; i < 100 && launches.empty(); ++i, Sleep(50))
        launches = FileText(disc.PathOf("launches.txt"));
    EXPECT_NE(launches.find("command: "), std::string::npos) << launches;
    EXPECT_TRUE(Loaded(LoadedModules(menu.Id()), "shell32.dll"));
    MoveCursorTo(POINT{0, 0});
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(menu.WaitForExit(), 0u);
}

}  // namespace
