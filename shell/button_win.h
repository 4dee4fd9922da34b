#pragma once
// TButton: a push button on the system's button class. A click sets the modal result of the form it
// lies on (when it has one) before the click event runs; the default button takes Enter and the
// cancel button takes Esc anywhere on its form. Screen readers read it as a push button that they
// can press.

#include <windows.h>

#include "shell/buttonaccessibility_win.h"
#include "shell/wincontrol_win.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;
    const char* ClassName() const override { return "TButton"; }

    int ModalResult = 0;
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel = false;

    // Presses the button from code: the same as a click.
    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Everything the framework does not handle goes to the system's button procedure.
    void DefaultHandler(TMessage& message) override;

private:
    bool default_ = false;
    // What screen readers are told about the button.
    TButtonAccessibility accessibility_{*this};
};
