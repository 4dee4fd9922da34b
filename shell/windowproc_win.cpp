#include "shell/windowproc_win.h"

#include "shell/application_win.h"
#include "base/exceptions.h"
#include "base/strings.h"
#include "base/syserror_win.h"
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
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
        auto* control = static_cast<TWinControl*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        if (control)
            control->handle_ = window;
    }
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!control)
        return DefWindowProcA(window, msg, wparam, lparam);

    TMessage message{msg, wparam, lparam, 0};
    ++g_depth;
    try {
        control->WndProc(message);
    } catch (...) {
        ReportWindowProcException(control);
    }
    if (--g_depth == 0)
        FreeDeviceContexts();
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        control->handle_ = nullptr;
    }
    return message.Result;
}

void RegisterControlClass(const TCreateParams& params) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, params.WinClassName.c_str(), &existing)) {
        if (existing.lpfnWndProc == &ControlWindowProc)
            return;
        UnregisterClassA(params.WinClassName.c_str(), instance);
    }
    WNDCLASSA cls{};
    cls.style = params.ClassStyle;
    cls.lpfnWndProc = &ControlWindowProc;
    cls.hInstance = instance;
    cls.hCursor = params.Cursor;
    cls.hbrBackground = params.Background;
    cls.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassA(&cls))
        throw EOutOfResources(LoadStr(StrId::SWindowClass));
}

void RaiseLastWindowError() {
    const DWORD code = GetLastError();
    if (code == 0)
        throw EOutOfResources(LoadStr(StrId::SOutOfResources));
    throw EWin32Error(FmtLoadStr(StrId::SWin32Error, static_cast<int>(code), SysErrorMessage(code).c_str()));
}
