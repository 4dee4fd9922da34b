// Moves the real cursor over a window and presses or releases the left button there, or types keys
// into the window that has the keyboard focus, for scripts that show the menu in its hover, pressed
// and keyboard-focus looks:
//     pointer CLASS X Y [down|up]
//     pointer CLASS key KEY...        KEY: tab, shift+tab, left, right, up, down, home, end, enter, space
// X and Y are client coordinates of the first visible top-level window of the class.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/process/menu_process_win.h"

namespace {

struct NamedKey {
    const char* name;
    WORD key;
    bool shifted;
};

constexpr NamedKey kKeys[] = {
    {"tab", VK_TAB, false},      {"shift+tab", VK_TAB, true}, {"left", VK_LEFT, false}, {"right", VK_RIGHT, false},
    {"up", VK_UP, false},        {"down", VK_DOWN, false},    {"home", VK_HOME, false}, {"end", VK_END, false},
    {"enter", VK_RETURN, false}, {"space", VK_SPACE, false},
};

bool TypeKey(const char* name) {
    for (const NamedKey& k : kKeys)
        if (std::strcmp(name, k.name) == 0) {
            TapKey(k.key, k.shifted);
            return true;
        }
    std::fprintf(stderr, "pointer: no key %s\n", name);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: pointer CLASS X Y [down|up]\n       pointer CLASS key KEY...\n", stderr);
        return 2;
    }
    HWND window = nullptr;
    for (int attempt = 0; attempt < 100 && !(window = FindWindowA(argv[1], nullptr)); ++attempt)
        Sleep(100);
    if (!window) {
        std::fprintf(stderr, "pointer: no window of class %s\n", argv[1]);
        return 1;
    }
    if (std::strcmp(argv[2], "key") == 0) {
        for (int i = 3; i < argc; ++i)
            if (!TypeKey(argv[i]))
                return 2;
        return 0;
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
