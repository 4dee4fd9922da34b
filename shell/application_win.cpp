#include "shell/application_win.h"

#include <objbase.h>

#include <algorithm>

#include "base/strings.h"
#include "shell/form_win.h"
#include "shell/windowproc_win.h"

TApplication* Application = nullptr;

namespace {
constexpr char kApplicationClass[] = "TApplication";
constexpr DWORD kApplicationWindowStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

std::string ProgramModuleName() {
    char name[256];
    const DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), name, sizeof name);
    return std::string(name, length < sizeof name ? length : sizeof name - 1);
}

int StartupShowCommand() {
    STARTUPINFOA info{};
    info.cb = sizeof info;
    GetStartupInfoA(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWNORMAL;
}
}  // namespace

TApplication::TApplication(bool isLibrary) : TComponent(nullptr), CmdShow(StartupShowCommand()) {
    Application = this;
    heldTitle_ = DefaultTitleFor(ProgramModuleName());
    if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON"))
        icon_.SetHandle(icon, false);
    icon_.OnChange = [this](auto&&...) { IconChanged(); };
    if (isLibrary)
        return;
    try {
        CreateHandle();
    } catch (...) {
        Application = nullptr;
        throw;
    }
}

TApplication::~TApplication() {
    BeginDestroying();
    if (ran_ && window_) {
        // The taskbar button goes in the same moment as the menu window. The application window is
        // zero pixels in size, with nothing on the screen to repaint, so taking its visible style
        // away is all its hiding needs; a second hide through the window manager would cost twice
        // what one costs where hiding waits for it (X11 under Wine waits up to 2 s per window).
        SetWindowLongPtrA(window_.get(), GWL_STYLE, GetWindowLongPtrA(window_.get(), GWL_STYLE) & ~WS_VISIBLE);
        ShowOwnedPopups(window_.get(), FALSE);
    }
    ShowHint = false;
    // The forms go first, while the application window they belong to still exists.
    DestroyComponents();
    mainForm_ = nullptr;
    mouseControl_ = nullptr;
    if (window_) {
        SendMessageA(window_.get(), WM_SETICON, ICON_BIG, 0);
        window_.reset();
    }
    if (comInitialized_)
        CoUninitialize();
    if (Application == this)
        Application = nullptr;
}

void TApplication::CreateHandle() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = &TApplication::WindowProc;
    cls.hInstance = instance;
    cls.lpszClassName = kApplicationClass;
    RegisterWindowClass(cls);
    HWND window = CreateWindowExA(0, kApplicationClass, heldTitle_.c_str(), kApplicationWindowStyle,
                                  GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                                  nullptr, instance, this);
    if (!window) {
        window_.release();  // a window the messages during creation saw is gone with the failure
        throw EOutOfResources(LoadStr(StrId::SOutOfResources));
    }
    if (window_.get() != window)
        window_.reset(window);  // the window procedure has taken it already when it saw a message
    heldTitle_.clear();
    HICON icon = IconHandle();
    SendMessageA(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SetClassLongPtrA(window_.get(), GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    HMENU menu = GetSystemMenu(window_.get(), FALSE);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

void TApplication::Initialize() {
    comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
}

std::string TApplication::Title() const {
    if (!window_)
        return heldTitle_;
    char text[256];
    const int length = GetWindowTextA(window_.get(), text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

void TApplication::SetTitle(const std::string& title) {
    if (!window_) {
        heldTitle_ = title;
        return;
    }
    if (title != Title() || !heldTitle_.empty()) {
        SetWindowTextA(window_.get(), title.c_str());
        heldTitle_.clear();
    }
}

HICON TApplication::IconHandle() {
    if (!icon_.Empty())
        return icon_.Handle();
    return LoadIcon(nullptr, IDI_APPLICATION);
}

void TApplication::IconChanged() {
    // Asking for the handle decodes a freshly loaded icon file: a bad file raises here.
    HICON icon = IconHandle();
    if (window_) {
        SendMessageA(window_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SetClassLongPtrA(window_.get(), GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    }
    const std::vector<TForm*> forms = forms_;
    for (TForm* form : forms)
        form->Perform(CM_APPICONCHANGED);
}

void TApplication::FormCreated(TForm* form) {
    if (mainForm_)
        return;
    form->HandleNeeded();
    mainForm_ = form;
}

void TApplication::AddForm(TForm* form) {
    forms_.push_back(form);
}

void TApplication::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (mainForm_ == form)
        mainForm_ = nullptr;
    UpdateVisible();
}

void TApplication::ControlDestroying(TControl* control) {
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
}

void TApplication::UpdateVisible() {
    if (!window_)
        return;
    const bool anyVisible = std::any_of(forms_.begin(), forms_.end(), [](TForm* form) { return form->Visible(); });
    if (anyVisible == (IsWindowVisible(window_.get()) != FALSE))
        return;
    const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window_.get(), nullptr, 0, 0, 0, 0, flags | (anyVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TApplication::Terminate() {
    terminateRequested_ = true;
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (!window_ || IsIconic(window_.get()))
        return;
    SetActiveWindow(window_.get());
    if (mainForm_ && mainForm_->HandleAllocated()) {
        SetWindowPos(window_.get(), mainForm_->HandleIfAllocated(), mainForm_->Left(), mainForm_->Top(),
                     mainForm_->Width(), 0, SWP_SHOWWINDOW);
    }
    DefWindowProcA(window_.get(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TApplication::Restore() {
    if (!window_ || !IsIconic(window_.get()))
        return;
    SetActiveWindow(window_.get());
    DefWindowProcA(window_.get(), WM_SYSCOMMAND, SC_RESTORE, 0);
    SetWindowPos(window_.get(), nullptr, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                 SWP_SHOWWINDOW);
    if (mainForm_ && mainForm_->WindowState() == wsMinimized && !mainForm_->Visible()) {
        mainForm_->SetWindowState(wsNormal);
        mainForm_->Show();
    }
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    return OwnedWindowProc<TApplication>(
        window, msg, wparam, lparam, [](TApplication& application, HWND window, TMessage& message) {
            if (!application.window_)
                application.window_.reset(window);  // messages during creation
            try {
                application.WndProc(message.Msg, message.WParam, message.LParam, message.Result);
            } catch (...) {
                application.HandleException(&application);
            }
        });
}

void TApplication::WndProc(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (msg) {
        case WM_CLOSE:
            if (mainForm_)
                mainForm_->Close();
            return;
        case WM_SYSCOMMAND:
            switch (wparam & 0xFFF0) {
                case SC_MINIMIZE:
                    Minimize();
                    return;
                case SC_RESTORE:
                    Restore();
                    return;
                default:
                    break;
            }
            break;
        case WM_ENDSESSION:
            if (wparam)
                terminated_ = true;
            return;
        case WM_ACTIVATEAPP:
            active_ = wparam != 0;
            break;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(IconHandle());
            return;
        default:
            break;
    }
    result = DefWindowProcA(window_.get(), msg, wparam, lparam);
}
