#include "shell/dialogkeys_win.h"

#include "shell/form_win.h"

bool HandleDialogKey(const MSG& msg) {
    const bool down = msg.message == WM_KEYDOWN;
    if ((!down && msg.message != WM_KEYUP) || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE))
        return false;
    TWinControl* control = FindControl(msg.hwnd);
    if (!control)
        return false;
    if (!down) {
        if (TForm* form = GetParentForm(control))
            form->HeldDialogKeys().Released(msg.wParam);
        return false;  // and on to the window
    }
    MSG copy = msg;
    const LRESULT wants = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    if (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    TForm* form = GetParentForm(control);
    if (form && form->HeldDialogKeys().Repeat(msg.wParam, msg.lParam))
        return true;  // taken, and ignored
    return form && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
}
