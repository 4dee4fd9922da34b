#pragma once
// The window procedure shared by every windowed control: the control is stored with its window when
// the window is created (WM_NCCREATE, GWLP_USERDATA) and forgotten when it is destroyed
// (WM_NCDESTROY). Each message is handed to the control's WndProc; an exception that escapes the
// handling is reported through the application and the message counts as handled.

#include <windows.h>

#include "shell/wincontrol_win.h"

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// The body of a window procedure for windows that belong to an object of type Owner: the object,
// passed as CreateWindowEx's last argument, is kept with the window (GWLP_USERDATA) from WM_NCCREATE
// and forgotten after WM_NCDESTROY. Each message in between goes to dispatch(owner, window, message),
// which sets message.Result; messages before and after go to DefWindowProc.
template <typename Owner, typename Dispatch>
LRESULT OwnedWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam, Dispatch dispatch) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcA(window, msg, wparam, lparam);
    TMessage message{msg, wparam, lparam, 0};
    dispatch(*owner, window, message);
    if (msg == WM_NCDESTROY)
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return message.Result;
}

// Registers a window class unless one of that name with the same window procedure exists already;
// one of that name with another procedure is replaced. Raises EOutOfResources "Error creating window
// class" when the system refuses.
void RegisterWindowClass(const WNDCLASSA& cls);

// The control stored with a window of ours; nullptr for other windows.
TWinControl* ControlOfWindow(HWND window);

// Registers the window class the parameters name with ControlWindowProc (RegisterWindowClass).
void RegisterControlClass(const TCreateParams& params);

// Raises EWin32Error for GetLastError (or EOutOfResources when the system gives no code).
[[noreturn]] void RaiseLastWindowError();

// Reports the exception being handled (call only inside a catch block) through the application.
void ReportWindowProcException(TComponent* sender);
