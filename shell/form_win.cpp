#include "shell/form_win.h"

#include <algorithm>

#include "shell/application_win.h"

namespace {
constexpr LONG kLargestWindow = 32767;
}  // namespace

POINT ScreenCenteredPosition(int screenWidth, int screenHeight, int width, int height) {
    POINT p{(screenWidth - width) / 2, (screenHeight - height) / 2};
    if (p.x < 0)
        p.x = 0;
    if (p.y < 0)
        p.y = 0;
    return p;
}

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    icon_.OnChange = [this](auto&&...) { UpdateIcon(); };
    if (Application)
        Application->AddForm(this);
}

TForm::~TForm() {
    BeginDestroying();
    if (Application)
        Application->RemoveForm(this);
}

void TForm::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE);
    params.Style |= WS_CLIPCHILDREN;
    params.ClassStyle = CS_DBLCLKS;
    if (!Parent())
        params.WndParent = Application ? Application->Handle() : nullptr;
    switch (BorderStyle) {
        case bsNone:
            params.Style |= WS_POPUP;
            break;
        case bsSingle:
        case bsToolWindow:
            params.Style |= WS_CAPTION;
            break;
        case bsSizeable:
        case bsSizeToolWin:
            params.Style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case bsDialog:
            params.Style |= WS_POPUP | WS_CAPTION;
            params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
    }
    if (BorderStyle == bsToolWindow || BorderStyle == bsSizeToolWin)
        params.ExStyle |= WS_EX_TOOLWINDOW;
    if (BorderStyle != bsNone && (BorderIcons & biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (BorderStyle != bsDialog && BorderStyle != bsToolWindow && BorderStyle != bsSizeToolWin) {
            if (BorderIcons & biMinimize)
                params.Style |= WS_MINIMIZEBOX;
            if (BorderIcons & biMaximize)
                params.Style |= WS_MAXIMIZEBOX;
        }
    }
}

void TForm::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateIcon();
}

void TForm::UpdateIcon() {
    HWND window = HandleIfAllocated();
    if (!window || BorderStyle == bsDialog)
        return;
    HICON icon = icon_.Empty() ? (Application ? Application->IconHandle() : nullptr) : icon_.Handle();
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void TForm::SetClientWidth(int width) {
    ResizeClient(&width, nullptr);
}

void TForm::SetClientHeight(int height) {
    ResizeClient(nullptr, &height);
}

void TForm::SetClientSize(int width, int height) {
    ResizeClient(&width, &height);
}

void TForm::ResizeClient(const int* width, const int* height) {
    HWND window = Handle();
    RECT client;
    GetClientRect(window, &client);
    SetBounds(Left(), Top(), width ? Width() + *width - client.right : Width(),
              height ? Height() + *height - client.bottom : Height());
}

void TForm::SetWindowState(TWindowState state) {
    if (windowState_ == state)
        return;
    windowState_ = state;
    if (HandleAllocated() && Visible())
        ShowWindowNow();
}

void TForm::ShowWindowNow() {
    static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), commands[windowState_]);
}

void TForm::CMVisibleChanged(TMessage&) {
    if (Visible()) {
        HandleNeeded();
        if (Position == poScreenCenter) {
            const POINT p =
                ScreenCenteredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), Width(), Height());
            SetBounds(p.x, p.y, Width(), Height());
            Position = poDesigned;  // centred once; later size changes keep the place
        }
        ShowWindowNow();
    } else if (HandleAllocated()) {
        ShowWindow(HandleIfAllocated(), SW_HIDE);
    }
    if (Application)
        Application->UpdateVisible();
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = 2;
        return;
    }
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    if (!canClose)
        return;
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
    } else if (action == caMinimize) {
        SetWindowState(wsMinimized);
    } else {
        Hide();
    }
}

void TForm::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_CLOSE:
            Close();
            return;
        case WM_SYSCOMMAND:
            if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
                Application->Minimize();
                return;
            }
            break;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
                return;
            break;
        case WM_GETMINMAXINFO: {
            // The window may be as large as its content asks for, also beyond the screen: the client
            // area must match exactly what the program sets.
            DefaultHandler(message);
            auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
            info->ptMaxTrackSize.x = std::max<LONG>(info->ptMaxTrackSize.x, kLargestWindow);
            info->ptMaxTrackSize.y = std::max<LONG>(info->ptMaxTrackSize.y, kLargestWindow);
            return;
        }
        case WM_ACTIVATE:
            // The focus goes to the form's chosen control rather than to the form's own window.
            if (LOWORD(message.WParam) != WA_INACTIVE && ActiveControl && ActiveControl->HandleAllocated() &&
                IsWindowVisible(ActiveControl->HandleIfAllocated())) {
                SetFocus(ActiveControl->HandleIfAllocated());
                return;
            }
            break;
        case CM_APPICONCHANGED:
            if (icon_.Empty())
                UpdateIcon();
            return;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}
