#pragma once
// While a modal window or message box is up, the thread's other top-level windows take no input:
// this scope disables those that are visible and enabled, and enables again the ones it disabled
// (those still existing) when it ends.

#include <windows.h>

#include <vector>

class DisabledThreadWindows {
public:
    // Disables the visible, enabled top-level windows of the calling thread, except `keep`.
    explicit DisabledThreadWindows(HWND keep = nullptr);
    ~DisabledThreadWindows();
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self);

    HWND keep_;
    std::vector<HWND> disabled_;
};
