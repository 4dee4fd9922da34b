#include "shell/windowproc_win.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "base/syserror_win.h"
#include "shell/application_win.h"
#include "shell/controlcanvas_win.h"

namespace {
int g_depth = 0;  // nesting of ControlWindowProc calls
}  // namespace

TWinControl* ControlOfWindow(HWND window) {
    if (!window || !IsWindow(window))
        return nullptr;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != &ControlWindowProc)
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void ReportWindowProcException(TComponent* sender) {
    if (Application) {
        Application->HandleException(sender);
        return;
    }
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    return OwnedWindowProc<TWinControl>(window, msg, wparam, lparam,
                                        [](TWinControl& control, HWND window, TMessage& message) {
                                            if (message.Msg == WM_NCCREATE)
                                                control.handle_.reset(window);
                                            ++g_depth;
                                            try {
                                                control.WndProc(message);
                                            } catch (...) {
                                                ReportWindowProcException(&control);
                                            }
                                            if (--g_depth == 0)
                                                FreeDeviceContexts();
                                            if (message.Msg == WM_NCDESTROY)
                                                control.handle_.release();  // the window is gone
                                        });
}

void RegisterWindowClass(const WNDCLASSA& cls) {
    WNDCLASSA existing{};
    if (GetClassInfoA(cls.hInstance, cls.lpszClassName, &existing)) {
        if (existing.lpfnWndProc == cls.lpfnWndProc)
            return;
        UnregisterClassA(cls.lpszClassName, cls.hInstance);
    }
    if (!RegisterClassA(&cls))
        throw EOutOfResources(LoadStr(StrId::SWindowClass));
}

void RegisterControlClass(const TCreateParams& params) {
    WNDCLASSA cls{};
    cls.style = params.ClassStyle;
    cls.lpfnWndProc = &ControlWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = params.Cursor;
    cls.hbrBackground = params.Background;
    cls.lpszClassName = params.WinClassName.c_str();
    RegisterWindowClass(cls);
}

void RaiseLastWindowError() {
    const DWORD code = GetLastError();
    if (code == 0)
        throw EOutOfResources(LoadStr(StrId::SOutOfResources));
    throw EWin32Error(FmtLoadStr(StrId::SWin32Error, static_cast<int>(code), SysErrorMessage(code).c_str()));
}
