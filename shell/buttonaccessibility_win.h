#pragma once
// A push button window as a screen reader meets it. The system's standard object reads a button of
// the program's own window class as a bare client area (no role, no action), so the button says what
// it is: a push button named by its caption as shown, with its accelerator as the keyboard shortcut,
// the default button's state, and "Press", which clicks it.

#include "shell/accessibleelements_win.h"

class TButton;

class TButtonAccessibility final : public TAccessibleElements {
public:
    explicit TButtonAccessibility(TButton& button) : button_(button) {}

    // The button has no elements of its own, only itself.
    int AccessibleCount() override { return 0; }
    TAccessibleElement AccessibleElement(int) override { return {}; }
    int AccessibleIndexOf(const TControl*) override { return -1; }
    void DoAccessibleDefaultAction(int index) override;
    bool AccessibleSelf(TAccessibleElement& self) override;

private:
    TButton& button_;
};
