// Moves the real cursor over a window and presses or releases the left button there, for scripts
// that show the menu in its hover and pressed looks:
//     pointer CLASS X Y [down|up]
// X and Y are client coordinates of the first visible top-level window of the class.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/process/menu_process_win.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: pointer CLASS X Y [down|up]\n", stderr);
        return 2;
    }
    HWND window = nullptr;
    for (int attempt = 0; attempt < 100 && !(window = FindWindowA(argv[1], nullptr)); ++attempt)
        Sleep(100);
    if (!window) {
        std::fprintf(stderr, "pointer: no window of class %s\n", argv[1]);
        return 1;
    }
    POINT point{std::atoi(argv[2]), std::atoi(argv[3])};
    ClientToScreen(window, &point);
    MoveCursorTo(point);
    if (argc > 4 && std::strcmp(argv[4], "down") == 0)
        PressLeftButton();
    if (argc > 4 && std::strcmp(argv[4], "up") == 0)
        ReleaseLeftButton();
    return 0;
}
