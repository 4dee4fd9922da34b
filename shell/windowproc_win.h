#pragma once
// The window procedure shared by every windowed control: the control is stored with its window when
// the window is created (WM_NCCREATE, GWLP_USERDATA) and forgotten when it is destroyed
// (WM_NCDESTROY). Each message is handed to the control's WndProc; an exception that escapes the
// handling is reported through the application and the message counts as handled.

#include <windows.h>

#include "shell/wincontrol_win.h"

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// The control stored with a window of ours; nullptr for other windows.
TWinControl* ControlOfWindow(HWND window);

// Registers the window class the parameters name, with ControlWindowProc, unless it exists already.
// Raises EOutOfResources "Error creating window class" when the system refuses.
void RegisterControlClass(const TCreateParams& params);

// Raises EWin32Error for GetLastError (or EOutOfResources when the system gives no code).
[[noreturn]] void RaiseLastWindowError();

// Reports the exception being handled (call only inside a catch block) through the application.
void ReportWindowProcException(TComponent* sender);
