#include "shell/button_win.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "settings/font_win.h"
#include "shell/form_win.h"
#include "shell/windowproc_win.h"

namespace {
// The system button class's procedure; our "TButton" class is that class with the framework's window
// procedure in front, so the window keeps the system's look and behaviour.
WNDPROC g_systemButtonProc = nullptr;

void RegisterButtonClass(const TCreateParams& params) {
    WNDCLASSA cls{};
    if (!GetClassInfoA(nullptr, "BUTTON", &cls))
        throw EOutOfResources(LoadStr(StrId::SWindowClass));
    if (cls.lpfnWndProc != &ControlWindowProc)
        g_systemButtonProc = cls.lpfnWndProc;
    cls.lpfnWndProc = &ControlWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    cls.lpszClassName = params.WinClassName.c_str();
    RegisterWindowClass(cls);
}
}  // namespace

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    // The system class draws and clicks the button itself (its BN_CLICKED comes back as CN_COMMAND).
    ControlStyle = csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 75, 25);
    SetAccessibleElements(&accessibility_);
}

TButton::~TButton() {
    BeginDestroying();
    SetAccessibleElements(nullptr);  // readers are cut off before the description goes
}

void TButton::SetDefault(bool value) {
    if (default_ == value)
        return;
    default_ = value;
    if (HWND window = HandleIfAllocated())
        SendMessageA(window, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    RegisterButtonClass(params);
    TWinControl::CreateWnd();
    // The system control draws its caption in the font it is given.
    SendMessageA(HandleIfAllocated(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(Font())), FALSE);
}

void TButton::Click() {
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(ModalResult);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == BN_CLICKED)
                Click();
            return;
        case CM_DIALOGKEY:
            if (((message.WParam == VK_RETURN && default_) || (message.WParam == VK_ESCAPE && Cancel)) && Visible() &&
                Enabled()) {
                Click();
                message.Result = 1;
            }
            return;
        case CM_FONTCHANGED:
            if (HWND window = HandleIfAllocated())
                SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(Font())), TRUE);
            return;
        case WM_PAINT:
        case WM_ERASEBKGND:
            DefaultHandler(message);
            return;
        default:
            TWinControl::WndProc(message);
    }
}

void TButton::DefaultHandler(TMessage& message) {
    HWND window = HandleIfAllocated();
    if (!window || !g_systemButtonProc)
        return;
    if (message.Msg >= CM_BASE && message.Msg < CN_BASE + 0x400)
        return;  // the framework's own notifications mean nothing to the system control
    message.Result = CallWindowProcA(g_systemButtonProc, window, message.Msg, message.WParam, message.LParam);
}
