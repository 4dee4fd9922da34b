// Start-up to the first painted frame: the menu program, without buttons and with 20, against a bare
// Win32 program that shows the same bitmap in a window. Each is started as a process in a disc
// folder; the clock stops when the screen shows the bitmap's pixel at the centre of the window's
// client area (which no button covers).

#include <windows.h>

#include <algorithm>
#include <string>
#include <cstdio>
#include <vector>

#include "harness.h"
#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

namespace {

constexpr int kWidth = 640, kHeight = 480;

uint32_t Pixel(int x, int y) {
    return (x / 8 % 2) ^ (y / 8 % 2) ? 0x2040A0u : 0xE0C060u;
}

// Milliseconds from process creation until the window shows its picture; negative on time-out.
double TimeToFirstFrame(const std::string& exe, const DiscFolder& disc) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    MenuProcess program(exe, disc.Path());
    for (int attempt = 0; attempt < 20000; ++attempt) {
        for (const WindowInfo& w : program.Windows()) {
            if (!w.visible || w.className == "TApplication") continue;
            const POINT centre{w.clientOrigin.x + kWidth / 2, w.clientOrigin.y + kHeight / 2};
            if (ScreenPixel(centre) == Pixel(kWidth / 2, kHeight / 2)) {
                QueryPerformanceCounter(&now);
                PostMessageA(w.handle, WM_CLOSE, 0, 0);
                program.WaitForExit(10000);
                return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
            }
        }
        Sleep(1);
    }
    return -1;
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
    if (!CopyFileA(BARE_VIEWER_PATH, bareDisc.PathOf("viewer.exe").c_str(), FALSE)) return 1;

    std::vector<double> menuTimes, buttonsTimes, bareTimes;
    for (int round = 0; round < 7; ++round) {  // alternate, so all see the same machine load
        bareTimes.push_back(TimeToFirstFrame(bareDisc.PathOf("viewer.exe"), bareDisc));
        menuTimes.push_back(TimeToFirstFrame(menuDisc.PathOf("menu.exe"), menuDisc));
        buttonsTimes.push_back(TimeToFirstFrame(buttonsDisc.PathOf("menu.exe"), buttonsDisc));
    }
    for (const auto* times : {&menuTimes, &buttonsTimes, &bareTimes})
        if (*std::min_element(times->begin(), times->end()) < 0) {
            std::puts("start-up: a window never showed its picture");
            return 1;
        }
    const double menu = Median(menuTimes), buttons = Median(buttonsTimes), bare = Median(bareTimes);
    std::printf("start-up to first painted frame, median of 7 (640 x 480 bitmap)\n");
    bench::Report("bare Win32 viewer", bare / 1000, bare / 1000, "bare viewer");
    bench::Report("menu.exe, no buttons", menu / 1000, bare / 1000, "bare viewer");
    bench::Report("menu.exe, 20 buttons", buttons / 1000, bare / 1000, "bare viewer");
    return 0;
}
