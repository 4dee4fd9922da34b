// The process entry: the application object, the menu window, the message loop. The command line is
// not read, and the exit code is 0 in every case.
#include <windows.h>

#include "app/form1_win.h"
#include "shell/application_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        TApplication application;
        try {
            application.Initialize();
            TForm1* form1 = nullptr;
            application.CreateForm(form1);
            application.Run();
        } catch (...) {
            // Construction failed (for instance the background cannot be read): report, then end.
            application.HandleException(nullptr);
        }
    } catch (const std::exception& failure) {
        // Not even the application window could be made: a plain box is all there is.
        MessageBoxA(nullptr, WithReportPeriod(failure.what()).c_str(), "", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
    return 0;
}
