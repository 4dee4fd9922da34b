// The exception report of the application object and its message box.
#include "shell/application_win.h"
#include "shell/threadwindows_win.h"

namespace {
constexpr UINT kQuietMove = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
}  // namespace

void TApplication::HandleException(TComponent* sender) {
    if (HWND capture = GetCapture())
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& exception) {
        if (OnException)
            OnException(sender, exception);
        else
            ShowException(exception);
    } catch (const std::exception& other) {
        ShowException(Exception(other.what()));
    } catch (...) {
        ShowException(Exception("Unknown exception"));
    }
}

void TApplication::ShowException(const Exception& exception) {
    MessageBox(WithReportPeriod(exception.Message()), Title(), MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
    HWND active = GetActiveWindow();
    HMONITOR activeMonitor = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
    HMONITOR ownMonitor = MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST);
    bool moved = false;
    RECT saved{};
    if (window_ && activeMonitor != ownMonitor) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoA(activeMonitor, &info)) {
            GetWindowRect(window_.get(), &saved);
            const RECT& m = info.rcMonitor;
            SetWindowPos(window_.get(), nullptr, m.left + (m.right - m.left) / 2, m.top + (m.bottom - m.top) / 2, 0, 0,
                         kQuietMove);
            moved = true;
        }
    }
    int result = 0;
    {
        const DisabledThreadWindows disabled;
        result = ::MessageBoxA(window_.get(), text.c_str(), caption.c_str(), flags);
        if (moved) {
            SetWindowPos(window_.get(), nullptr, saved.left + (saved.right - saved.left) / 2,
                         saved.top + (saved.bottom - saved.top) / 2, 0, 0, kQuietMove);
        }
    }
    if (active)
        SetActiveWindow(active);
    return result;
}
