#pragma once
// In application_win.cpp, application_loop_win.cpp, application_report_win.cpp, application_title_win.cpp.
// TApplication: the one application object. It owns the hidden application window (the program's
// taskbar button, labelled with the title), holds the application icon, creates the main form, runs
// the message loop with its idle step, ends it on request, and turns every exception that escapes the
// handling of a window message into the exception report, after which the program carries on.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "base/handles_win.h"
#include "base/reporttext.h"
#include "shell/component.h"
#include "shell/icon_win.h"

class TControl;
class TForm;

class TApplication : public TComponent {
public:
    // Computes the default title, loads the icon resource "MAINICON" and creates the application
    // window (not inside a library, which has no application window and keeps its title itself).
    // There is one application object at a time; it is reachable as Application.
    explicit TApplication(bool isLibrary = false);
    ~TApplication() override;

    // Initialises COM for this thread (single-threaded apartment); undone at destruction if it succeeded.
    void Initialize();

    // Creates a form owned by the application and stores it in reference (nullptr if the constructor
    // raises; the exception goes on to the caller). The first form created becomes the main form.
    template <typename Form>
    void CreateForm(Form*& reference) {
        reference = nullptr;
        Form* form = new Form(this);
        reference = form;
        FormCreated(form);
    }

    // The message loop: shows the main form and handles messages until the program is asked to end.
    void Run();
    // Handles one message of the thread's queue, or runs the idle step when there is none.
    void HandleMessage();
    // Handles the queued messages, without waiting, until the queue is empty.
    void ProcessMessages();
    // Asks the loop to end (posts the quit message); returns at once.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Termination was asked for (the quit message may still be on its way).
    bool TerminateRequested() const { return terminateRequested_ || terminated_; }
    bool Running() const { return running_; }

    std::string Title() const;
    void SetTitle(const std::string& title);

    // The application icon; loading into it changes the icon of the application window and the forms.
    TIcon& Icon() { return icon_; }
    // The icon's handle, or the system's default application icon when the icon is empty.
    HICON IconHandle();

    HWND Handle() const { return window_.get(); }
    TForm* MainForm() const { return mainForm_; }
    bool Active() const { return active_; }

    // Reports the exception being handled; call it only from inside a catch block.
    void HandleException(TComponent* sender);
    // The exception report: the message (with a final period where needed) in a stop box captioned
    // with the title.
    void ShowException(const Exception& exception);
    // MessageBox owned by the application window, with the program's other windows disabled meanwhile.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);

    void Minimize();
    void Restore();

    // The show command the program was started with (from its start-up information).
    int CmdShow;
    bool ShowMainForm = true;
    bool ShowHint = true;
    // When set, replaces the exception report.
    std::function<void(TComponent* sender, const Exception& exception)> OnException;

    // The control under the mouse at the last idle step.
    TControl* MouseControl() const { return mouseControl_; }
    // The idle step's mouse part: finds the control under the cursor and, when it changed, sends the
    // previous one a mouse-leave and the new one a mouse-enter notification.
    void DoMouseIdle();

    // Framework bookkeeping.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    void ControlDestroying(TControl* control);
    // Shows the application window (0 x 0) while any form is visible, hides it otherwise.
    void UpdateVisible();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    void WndProc(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
    void CreateHandle();
    void IconChanged();
    void FormCreated(TForm* form);
    bool ProcessMessage(MSG& msg);
    void Idle();

    std::string heldTitle_;
    TIcon icon_;
    UniqueWindow window_;
    TForm* mainForm_ = nullptr;
    TControl* mouseControl_ = nullptr;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
    bool terminateRequested_ = false;
    bool running_ = false;
    bool ran_ = false;
    bool active_ = false;
    bool comInitialized_ = false;
};

// The application object, or nullptr while there is none.
extern TApplication* Application;

// The default title for a program file name: the name after the last backslash, cut at its first
// period, every character but the first in lower case (MENU.EXE gives Menu).
std::string DefaultTitleFor(const std::string& programFileName);
