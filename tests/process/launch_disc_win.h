#pragma once
// A disc for launching from a real menu.exe: the recorder program in bin\ (it writes how it was started
// beside itself), a data folder, a document of the tests' own type in docs\, a plain 320 x 240
// background of colour 0x204060, and the given entries.

#include <windows.h>

#include <string>

#include "tests/process/disc_folder_win.h"
#include "tests/process/menu_process_win.h"

class LaunchDisc : public DiscFolder {
public:
    LaunchDisc(const std::string& entries, int count);
    // What the recorder wrote once it has been started `launches` times; empty after the time-out.
    std::string Record(int launches, DWORD timeoutMs = 15000) const;
    bool Recorded() const;
};

// The colour of the disc's background.
constexpr COLORREF kLaunchDiscBackground = 0x204060;

// Entry n's section: one 100 x 20 button per row from the top (at 10, 10 + 30 (n - 1)), captioned
// "Entry n", followed by the given keys.
std::string Entry(int n, const std::string& keys);

// Clicks the n-th button of that layout with the mouse messages a real click gives.
void ClickEntry(HWND menuWindow, int n);
