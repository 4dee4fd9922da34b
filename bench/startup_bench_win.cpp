// Start-up and closing: the menu program, without buttons, with 20 and with 100, against a bare Win32
// program that shows the same bitmap in a window. Each is started as a process in a disc folder; the start-up
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

// A definition with `count` enabled buttons with every key set: 20 in two columns of 233 x 24 left
// and right of the window's centre; more in four columns of 116 x 18, 25 to a column.
std::string Buttons(int count) {
    const bool wide = count <= 20;
    const int rows = wide ? 10 : 25, width = wide ? 233 : 116, height = wide ? 24 : 18;
    const int columns[] = {8, 400, 124, 516}, pitch = wide ? 46 : 19;
    std::string ini = "[Main]\r\nAppName=Benchmark\r\nProgCount=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
        const int x = columns[i / rows % 4], y = (wide ? 8 : 4) + (i % rows) * pitch;
        ini += "[Prog_" + std::to_string(i + 1) + "]\r\nX=" + std::to_string(x) + "\r\nY=" + std::to_string(y) +
               "\r\nWidth=" + std::to_string(width) + "\r\nHeight=" + std::to_string(height) +
               "\r\nButtonText=Entry number " + std::to_string(i + 1) +
               "\r\nFontInfo=Times New Roman,14,B,0,clYellow,0\r\nHighlightColor=clLime\r\nTopContourColor=clBlack"
               "\r\nBottomContourColor=clGray\r\nExePath=menu.ini\r\nExeCommandLine=\r\nExeWorkingPath=.\r\n"
               "PreRunMessage=\r\nAfterRunMessage=\r\nTerminateAfterStart=1\r\n";
    }
    return ini;
}

// One program in its disc folder, with its runs.
struct Subject {
    const char* name;
    DiscFolder disc;
    std::string exe;
    std::vector<Run> runs;
};

}  // namespace

int main() {
    constexpr int kRounds = 7;
    const Bytes bitmap = MakeBmp24(kWidth, kHeight, Pixel);
    Subject subjects[] = {{"bare Win32 viewer", {}, "viewer.exe", {}},
                          {"menu.exe, no buttons", {}, "menu.exe", {}},
                          {"menu.exe, 20 buttons", {}, "menu.exe", {}},
                          {"menu.exe, 100 buttons", {}, "menu.exe", {}}};
    const int buttonCounts[] = {0, 0, 20, 100};
    for (int i = 0; i < 4; ++i) {
        Subject& s = subjects[i];
        s.disc.Write("menu.bmp", bitmap);
        if (i == 0) {
            if (!CopyFileA(BARE_VIEWER_PATH, s.disc.PathOf(s.exe).c_str(), FALSE))
                return 1;
            continue;
        }
        s.disc.CopyProgram(s.exe);
        s.disc.WriteText("menu.ini",
                         buttonCounts[i] ? Buttons(buttonCounts[i]) : "[Main]\r\nAppName=Benchmark\r\nProgCount=0\r\n");
    }
    // One start of each first, not counted: Wine's server, its 32-bit loader and the file cache are
    // then as warm for the first counted run as for the last.
    for (Subject& s : subjects)
        RunOnce(s.disc.PathOf(s.exe), s.disc);
    // Rounds start with a different program each time, so none of them always follows another.
    for (int round = 0; round < kRounds; ++round)
        for (int i = 0; i < 4; ++i) {
            Subject& s = subjects[(round + i) % 4];
            s.runs.push_back(RunOnce(s.disc.PathOf(s.exe), s.disc));
        }

    std::printf(
        "menu.exe against a bare Win32 viewer of the same 640 x 480 bitmap, median of %d, one warm-up\n"
        "start each; the spread is the lowest and highest ratio of one round's runs\n",
        kRounds);
    const struct {
        const char* name;
        double Run::*figure;
    } figures[] = {{"start-up to first painted frame", &Run::firstFrame},
                   {"WM_CLOSE until no window is visible", &Run::windowsGone},
                   {"WM_CLOSE until the process has ended", &Run::exited}};
    int status = 0;
    for (const auto& figure : figures) {
        std::vector<double> medians;
        for (const Subject& s : subjects) {
            std::vector<double> values;
            for (const Run& run : s.runs)
                values.push_back(run.*figure.figure);
            medians.push_back(*std::min_element(values.begin(), values.end()) < 0 ? -1 : Median(values) / 1000);
        }
        if (*std::min_element(medians.begin(), medians.end()) < 0) {
            std::printf("%s: timed out\n", figure.name);
            status = 1;
            continue;
        }
        std::printf("%s\n", figure.name);
        for (size_t i = 0; i < 4; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "  %s", subjects[i].name);
            bench::Report(name, medians[i], medians[0], "bare viewer");
            if (i == 0)
                continue;
            std::vector<double> ratios;
            for (int round = 0; round < kRounds; ++round)
                ratios.push_back(subjects[i].runs[round].*figure.figure / (subjects[0].runs[round].*figure.figure));
            std::printf("  %48s  rounds x%.2f to x%.2f, median x%.2f\n", "",
                        *std::min_element(ratios.begin(), ratios.end()),
                        *std::max_element(ratios.begin(), ratios.end()), Median(ratios));
        }
    }
    return status;
}
