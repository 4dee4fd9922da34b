// Start-up and closing: the menu program, without buttons and with 20, against a bare Win32 program
// that shows the same bitmap in a window. Each is started as a process in a disc folder; the start-up
// clock stops when the screen shows the bitmap's pixel at the centre of the window's client area
// (which no button covers). Then the window gets WM_CLOSE, and the clock runs until no window of the
// process is visible and until the process has ended.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"
#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

uint32_t Pixel(int x, int y) {
    return (x / 8 % 2) ^ (y / 8 % 2) ? 0x2040A0u : 0xE0C060u;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// One run of a program, in milliseconds: from process creation until the window shows its picture,
// and from the WM_CLOSE sent then until the last visible window (the taskbar button) is gone and
// until the process has ended. Negative on time-out.
struct Run {
    double firstFrame = -1, windowsGone = -1, exited = -1;
};

Run RunOnce(const std::string& exe, const DiscFolder& disc) {
    Run run;
    const LARGE_INTEGER start = Now();
    MenuProcess program(exe, disc.Path());
    HWND shown = nullptr;
    for (int attempt = 0; attempt < 20000 && !shown; ++attempt) {
        for (const WindowInfo& w : program.Windows()) {
            if (!w.visible || w.className == "TApplication")
                continue;
            const POINT centre{w.clientOrigin.x + kWidth / 2, w.clientOrigin.y + kHeight / 2};
            if (ScreenPixel(centre) == Pixel(kWidth / 2, kHeight / 2))
                shown = w.handle;
        }
        if (!shown)
            Sleep(1);
    }
    if (!shown)
        return run;
    const LARGE_INTEGER closing = Now();
    run.firstFrame = Milliseconds(start, closing);
    PostMessageA(shown, WM_CLOSE, 0, 0);
    for (int attempt = 0; attempt < 20000; ++attempt) {
        const std::vector<WindowInfo> windows = program.Windows();
        if (std::none_of(windows.begin(), windows.end(), [](const WindowInfo& w) { return w.visible; })) {
            run.windowsGone = Milliseconds(closing, Now());
            break;
        }
        Sleep(1);
    }
    if (program.WaitForExit(20000) != STILL_ACTIVE)
        run.exited = Milliseconds(closing, Now());
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A definition with 20 enabled buttons in two columns left and right of the window's centre.
std::string TwentyButtons() {
    std::string ini = "[Main]\r\nAppName=Benchmark\r\nProgCount=20\r\n";
    for (int i = 0; i < 20; ++i) {
        const int x = i < 10 ? 8 : 400, y = 8 + (i % 10) * 46;
        ini += "[Prog_" + std::to_string(i + 1) + "]\r\nX=" + std::to_string(x) + "\r\nY=" + std::to_string(y) +
               "\r\nWidth=233\r\nHeight=24\r\nButtonText=Entry number " + std::to_string(i + 1) +
               "\r\nFontInfo=Times New Roman,14,B,0,clYellow,0\r\nHighlightColor=clLime\r\nExePath=menu.ini\r\n";
    }
    return ini;
}

}  // namespace

int main() {
    DiscFolder menuDisc, buttonsDisc, bareDisc;
    const Bytes bitmap = MakeBmp24(kWidth, kHeight, Pixel);
    menuDisc.CopyProgram("menu.exe");
    menuDisc.Write("menu.bmp", bitmap);
    menuDisc.WriteText("menu.ini", "[Main]\r\nAppName=Benchmark\r\nProgCount=0\r\n");
    buttonsDisc.CopyProgram("menu.exe");
    buttonsDisc.Write("menu.bmp", bitmap);
    buttonsDisc.WriteText("menu.ini", TwentyButtons());
    bareDisc.Write("menu.bmp", bitmap);
    if (!CopyFileA(BARE_VIEWER_PATH, bareDisc.PathOf("viewer.exe").c_str(), FALSE))
        return 1;

    std::vector<Run> menuRuns, buttonsRuns, bareRuns;
    for (int round = 0; round < 7; ++round) {  // alternate, so all see the same machine load
        bareRuns.push_back(RunOnce(bareDisc.PathOf("viewer.exe"), bareDisc));
        menuRuns.push_back(RunOnce(menuDisc.PathOf("menu.exe"), menuDisc));
        buttonsRuns.push_back(RunOnce(buttonsDisc.PathOf("menu.exe"), buttonsDisc));
    }
    const auto median = [](const std::vector<Run>& runs, double Run::*figure) {
        std::vector<double> values;
        for (const Run& run : runs)
            values.push_back(run.*figure);
        if (*std::min_element(values.begin(), values.end()) < 0)
            return -1.0;
        return Median(values) / 1000;
    };
    std::printf("menu.exe against a bare Win32 viewer of the same 640 x 480 bitmap, median of 7\n");
    const struct {
        const char* name;
        double Run::*figure;
    } figures[] = {{"start-up to first painted frame", &Run::firstFrame},
                   {"WM_CLOSE until no window is visible", &Run::windowsGone},
                   {"WM_CLOSE until the process has ended", &Run::exited}};
    int status = 0;
    for (const auto& figure : figures) {
        const double menu = median(menuRuns, figure.figure), bare = median(bareRuns, figure.figure);
        const double buttons = median(buttonsRuns, figure.figure);
        if (menu < 0 || buttons < 0 || bare < 0) {
            std::printf("%s: timed out\n", figure.name);
            status = 1;
            continue;
        }
        std::printf("%s\n", figure.name);
        bench::Report("  bare Win32 viewer", bare, bare, "bare viewer");
        bench::Report("  menu.exe, no buttons", menu, bare, "bare viewer");
        bench::Report("  menu.exe, 20 buttons", buttons, bare, "bare viewer");
    }
    return status;
}
