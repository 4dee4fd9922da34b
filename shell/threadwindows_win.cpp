#include "shell/threadwindows_win.h"

DisabledThreadWindows::DisabledThreadWindows(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &DisabledThreadWindows::Disable, reinterpret_cast<LPARAM>(this));
}

DisabledThreadWindows::~DisabledThreadWindows() {
    for (HWND window : disabled_)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}

BOOL CALLBACK DisabledThreadWindows::Disable(HWND window, LPARAM self) {
    auto* scope = reinterpret_cast<DisabledThreadWindows*>(self);
    if (window != scope->keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
        scope->disabled_.push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}
