#include "tests/process/menu_process_win.h"

#include <stdexcept>

#include "base/dcguards_win.h"
#include "base/handles_win.h"

namespace {

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct Search {
    DWORD processId;
    std::vector<WindowInfo>* found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found->push_back(Describe(window));
    return TRUE;
}

bool IsMenuWindow(const WindowInfo& w) {
    return w.visible && w.className != "TApplication" && w.className != "#32770";
}

}  // namespace

WindowInfo Describe(HWND window) {
    WindowInfo info;
    info.handle = window;
    info.className = ClassOf(window);
    info.text = TextOf(window);
    info.style = GetWindowLongA(window, GWL_STYLE);
    info.visible = IsWindowVisible(window) != FALSE;
    GetWindowRect(window, &info.windowRect);
    GetClientRect(window, &info.clientRect);
    ClientToScreen(window, &info.clientOrigin);
    return info;
}

MenuProcess::MenuProcess(const std::string& exe, const std::string& folder, const std::string& commandLine) {
    std::string line = "\"" + exe + "\"";
    if (!commandLine.empty())
        line += " " + commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info_))
        throw std::runtime_error("cannot start " + exe + ", error " + std::to_string(GetLastError()));
    WaitForInputIdle(info_.hProcess, 10000);
}

MenuProcess::~MenuProcess() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::vector<WindowInfo> MenuProcess::Windows() const {
    std::vector<WindowInfo> found;
    Search search{info_.dwProcessId, &found};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return found;
}

HWND MenuProcess::WaitForWindow(const std::string& className, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        for (const WindowInfo& w : Windows())
            if (w.visible && w.className == className)
                return w.handle;
        if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND MenuProcess::WaitForMenuWindow(DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        for (const WindowInfo& w : Windows())
            if (IsMenuWindow(w))
                return w.handle;
        if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0)
            return nullptr;
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

DWORD MenuProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {

BOOL CALLBACK FindBoxText(HWND child, LPARAM param) {
    auto* text = reinterpret_cast<std::string*>(param);
    // The box's message is the static control with text; its icon is a static control without.
    if (ClassOf(child) == "Static") {
        const std::string t = TextOf(child);
        if (!t.empty() && text->empty())
            *text = t;
    }
    return TRUE;
}

}  // namespace

BoxText ReadMessageBox(HWND box) {
    BoxText result;
    result.caption = TextOf(box);
    EnumChildWindows(box, FindBoxText, reinterpret_cast<LPARAM>(&result.text));
    return result;
}

void DismissMessageBox(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

bool ConfirmDialog(const MenuProcess& menu) {
    const HWND dialog = menu.WaitForWindow("TMessageForm", 15000);
    if (!dialog)
        return false;
    const HWND button = FindWindowExA(dialog, nullptr, "TButton", nullptr);
    PostMessageA(button ? button : dialog, WM_KEYDOWN, VK_RETURN, 1);
    for (int i = 0; i < 300 && IsWindowVisible(dialog); ++i)
        Sleep(20);
    return !IsWindowVisible(dialog);
}

COLORREF ScreenPixel(POINT point) {
    WindowDC screen(nullptr);
    const COLORREF bgr = GetPixel(screen.get(), point.x, point.y);
    return RGB(GetBValue(bgr), GetGValue(bgr), GetRValue(bgr));
}

ScreenShot::ScreenShot(RECT screenRect) : rect_(screenRect) {
    const int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
    WindowDC screen(nullptr);
    UniqueMemoryDC memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        throw std::runtime_error("cannot capture the screen");
    {
        ScopedSelect select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect_.left, rect_.top, SRCCOPY);
        GdiFlush();
    }
    const auto* pixels = static_cast<const uint32_t*>(bits);
    pixels_.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    for (COLORREF& p : pixels_)
        p &= 0xFFFFFF;  // the DIB holds 0x00RRGGBB already
}

COLORREF ScreenShot::At(int x, int y) const {
    const int width = rect_.right - rect_.left;
    return pixels_.at(static_cast<size_t>((y - rect_.top) * width + (x - rect_.left)));
}

int ScreenShot::Count(RECT rect, COLORREF colour) const {
    RECT area;
    if (!IntersectRect(&area, &rect, &rect_))
        return 0;
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += At(x, y) == colour;
    return count;
}

void MoveCursorTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    // A move event as well, so that the window under the cursor hears of it at once.
    mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
}

void PressLeftButton() {
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
}

void ReleaseLeftButton() {
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}
