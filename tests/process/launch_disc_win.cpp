#include "tests/process/launch_disc_win.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

LaunchDisc::LaunchDisc(const std::string& entries, int count) {
    CopyProgram();
    CreateDirectoryA(PathOf("bin").c_str(), nullptr);
    CreateDirectoryA(PathOf("data").c_str(), nullptr);
    CreateDirectoryA(PathOf("docs").c_str(), nullptr);
    if (!CopyFileA(RECORDER_EXE_PATH, PathOf("bin\\recorder.exe").c_str(), FALSE))
        throw std::runtime_error("cannot copy the recorder");
    WriteText("docs\\readme.menutestdoc", "text");
    Write("menu.bmp", MakeBmp24(320, 240, [](int, int) { return uint32_t{kLaunchDiscBackground}; }));
    WriteText("menu.ini",
              "[Main]\r\nAppTaskName=Product disc\r\nProgCount=" + std::to_string(count) + "\r\n" + entries);
}

std::string LaunchDisc::Record(int launches, DWORD timeoutMs) const {
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

bool LaunchDisc::Recorded() const {
    return GetFileAttributesA(PathOf("bin\\launches.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Entry(int n, const std::string& keys) {
    return "[Prog_" + std::to_string(n) + "]\r\nX=10\r\nY=" + std::to_string(10 + 30 * (n - 1)) +
           "\r\nWidth=100\r\nHeight=20\r\nButtonText=Entry " + std::to_string(n) + "\r\n" + keys;
}

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
