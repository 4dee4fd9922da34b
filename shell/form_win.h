#pragma once
// In form_win.cpp, form_modal_win.cpp.
// TForm: a top-level window of the program. Without a parent its window is owned by the application
// window (one taskbar button for the program). Its border style and border icons choose the frame and
// caption buttons; it can be centred on the screen when first shown; its client size can be set
// exactly; closing the main form ends the program.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "shell/customcontrol_win.h"
#include "shell/heldkeys_win.h"
#include "shell/icon_win.h"

enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIconFlag : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;
enum TPosition : uint8_t { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

class TForm : public TCustomControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    // Frame and caption buttons; they take effect when the window is created.
    TFormBorderStyle BorderStyle = bsSizeable;
    TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition Position = poDesigned;
    bool ShowHint = false;

    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    // Resize the window so that its client area gets exactly this size (creating the window first).
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // Both in one resize: the window and what is aligned in it change size once.
    void SetClientSize(int width, int height);

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // The close request of the close box, the system menu and Alt+F4; a modal form ends its modal
    // loop with the result 2 instead.
    void Close();

    // Shows the form modally: the thread's other windows are disabled and a nested message loop runs
    // until a modal result is set (or the application is ending, giving 2); answers that result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    // The child that gets the keyboard focus whenever the form is activated.
    TWinControl* ActiveControl = nullptr;
    // Enter and Esc held since before the form was shown modally press nothing until released.
    THeldKeys& HeldDialogKeys() { return heldDialogKeys_; }

    // The form's own icon; while it is empty the window shows the application's icon.
    TIcon& Icon() { return icon_; }

    std::function<void(TComponent* sender, bool& canClose)> OnCloseQuery;
    std::function<void(TComponent* sender, TCloseAction& action)> OnClose;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void CMVisibleChanged(TMessage& message) override;

private:
    // Gives the client area the width and the height that are not null.
    void ResizeClient(const int* width, const int* height);
    void UpdateIcon();
    void ShowWindowNow();

    TIcon icon_;
    TWindowState windowState_ = wsNormal;
    int modalResult_ = 0;
    bool modal_ = false;
    THeldKeys heldDialogKeys_;
};

// Where a window of the given outer size goes when centred on a screen of the given size: half the
// difference on each axis (truncated towards zero), never negative.
POINT ScreenCenteredPosition(int screenWidth, int screenHeight, int width, int height);

// The form a control lies on (the control itself when it is a form); nullptr when none.
TForm* GetParentForm(TControl* control);
