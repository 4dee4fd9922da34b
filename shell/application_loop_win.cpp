// The message loop of the application object and its idle step.
#include "base/scopeexit.h"
#include "shell/application_win.h"
#include "shell/controlcanvas_win.h"
#include "shell/dialogkeys_win.h"
#include "shell/form_win.h"

void TApplication::Run() {
    const ScopedValue running(running_, true, false);
    ran_ = true;
    if (!mainForm_)
        return;
    if (CmdShow == SW_SHOWMAXIMIZED)
        mainForm_->SetWindowState(wsMaximized);
    if (CmdShow == SW_SHOWMINNOACTIVE)
        mainForm_->SetWindowState(wsMinimized);
    if (ShowMainForm) {
        if (mainForm_->WindowState() == wsMinimized)
            Minimize();
        else
            mainForm_->Show();
    }
    do {
        HandleMessage();
    } while (!terminated_);
}

void TApplication::HandleMessage() {
    MSG msg;
    if (!ProcessMessage(msg))
        Idle();
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    // No message callback, hints, MDI or shortcuts take messages in this program; dialog keys do.
    if (HandleDialogKey(msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void TApplication::Idle() {
    try {
        DoMouseIdle();
    } catch (...) {
        HandleException(this);
    }
    FreeDeviceContexts();
    WaitMessage();
}

void TApplication::DoMouseIdle() {
    TControl* control = nullptr;
    POINT cursor;
    if (GetCursorPos(&cursor)) {
        if (TWinControl* windowed = FindControl(WindowFromPoint(cursor))) {
            TControl* child = windowed->ControlAtPos(windowed->ScreenToClient(cursor), true);
            control = child ? child : windowed;
            if (control->Designing())
                control = nullptr;
        }
    }
    if (control == mouseControl_)
        return;
    TControl* capture = GetCaptureControl();
    if (mouseControl_ && (!capture || capture == mouseControl_))
        mouseControl_->Perform(CM_MOUSELEAVE);
    mouseControl_ = control;
    if (mouseControl_ && (!capture || capture == mouseControl_))
        mouseControl_->Perform(CM_MOUSEENTER);
}
