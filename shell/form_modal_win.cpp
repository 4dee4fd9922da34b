// Showing a form modally: a nested message loop on the GUI thread while the thread's other windows
// are disabled.
#include "base/scopeexit.h"
#include "shell/application_win.h"
#include "shell/form_win.h"
#include "shell/threadwindows_win.h"

TForm* GetParentForm(TControl* control) {
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm*>(control);
}

int TForm::ShowModal() {
    // No drag or mouse capture may outlive the switch to the modal form.
    if (HWND capture = GetCapture()) {
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    if (!Application)
        return 0;  // there is no message loop to run
    const HWND previouslyActive = GetActiveWindow();
    HandleNeeded();
    bool stillActive = false;
    {
        const DisabledThreadWindows disabled(HandleIfAllocated());
        const ScopedValue modal(modal_, true, false);
        modalResult_ = 0;
        Show();
        SetActiveWindow(HandleIfAllocated());
        // The loop ends when a result is set, and with 2 when the application is ending (its quit
        // message was taken here): nothing could set a result any more.
        while (modalResult_ == 0) {
            Application->HandleMessage();
            if (Application->Terminated())
                modalResult_ = 2;
            else if (modalResult_ == 0 && !IsWindowVisible(HandleIfAllocated()))
                modalResult_ = 2;  // hidden or destroyed by someone else: nobody could close it
        }
        stillActive = GetActiveWindow() == HandleIfAllocated();
        Hide();
    }
    if (stillActive && previouslyActive && IsWindow(previouslyActive))
        SetActiveWindow(previouslyActive);
    return modalResult_;
}
