#pragma once
// Runs the menu program as a separate process and observes it from outside, as a user would see
// it: its top-level windows, their classes, texts, styles and rectangles, its error boxes, its
// pixels on the screen, and its exit code.

#include <windows.h>

#include <string>
#include <vector>

struct WindowInfo {
    HWND handle = nullptr;
    std::string className;
    std::string text;
    LONG style = 0;
    RECT windowRect{};
    RECT clientRect{};
    POINT clientOrigin{};  // the client area's top-left corner in screen coordinates
    bool visible = false;
};

class MenuProcess {
public:
    // Starts `exe` with `commandLine` in `folder` (the current folder of the new process).
    MenuProcess(const std::string& exe, const std::string& folder, const std::string& commandLine = "");
    ~MenuProcess();  // ends the process if it still runs
    MenuProcess(const MenuProcess&) = delete;
    MenuProcess& operator=(const MenuProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }

    // Every top-level window of the process, visible or not.
    std::vector<WindowInfo> Windows() const;
    // Waits until a visible top-level window of the given class exists; null on time-out.
    HWND WaitForWindow(const std::string& className, DWORD timeoutMs = 20000) const;
    // Waits for the menu window: a visible top-level window that is neither the application window
    // nor a dialog box.
    HWND WaitForMenuWindow(DWORD timeoutMs = 20000) const;
    // Waits until the process ends; its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(DWORD timeoutMs = 20000) const;

private:
    PROCESS_INFORMATION info_{};
};

WindowInfo Describe(HWND window);

// The system message box's text and caption, read from the dialog window.
struct BoxText {
    std::string caption;
    std::string text;
};
BoxText ReadMessageBox(HWND box);
// Presses the box's default button.
void DismissMessageBox(HWND box);
// Presses Enter on the process's message dialog once it opens; false when none opened in time or it
// stayed open.
bool ConfirmDialog(const MenuProcess& menu);

// The colour (0x00RRGGBB) that the screen shows at a point, read back from the screen.
COLORREF ScreenPixel(POINT point);

// What the screen shows in a rectangle, read back at once: 0x00RRGGBB per pixel, row by row.
class ScreenShot {
public:
    explicit ScreenShot(RECT screenRect);
    COLORREF At(int x, int y) const;  // in screen coordinates
    // How many pixels of the rectangle (screen coordinates, clipped to the shot) have the colour.
    int Count(RECT rect, COLORREF colour) const;

private:
    RECT rect_;
    std::vector<COLORREF> pixels_;
};

// The real mouse, as a person moves it: the cursor goes to a screen point, the left button goes down
// or up where the cursor is (input injected into the system's queue, not messages to a window).
void MoveCursorTo(POINT screen);
void PressLeftButton();
void ReleaseLeftButton();
