#pragma once
// The menu as a screen reader meets it: every entry's button, in entry order, is a push button named
// by its caption as shown, with its accelerator as the keyboard shortcut, its hover, pressed and
// disabled looks as states, whether it can take and has the keyboard focus, its place on the screen,
// and "Press", which does what a click does.

#include <vector>

#include "shell/accessibleelements_win.h"

class TLMDSpeedButton;
class TMenuKeyboard;

class TMenuAccessibility final : public TAccessibleElements {
public:
    // The entries' buttons, entry 0 first, and the keyboard that keeps the focus among them.
    void SetButtons(std::vector<TLMDSpeedButton*> buttons, const TMenuKeyboard* keyboard) {
        buttons_ = std::move(buttons);
        keyboard_ = keyboard;
    }

    int AccessibleCount() override { return static_cast<int>(buttons_.size()); }
    TAccessibleElement AccessibleElement(int index) override;
    int AccessibleIndexOf(const TControl* control) override;
    void DoAccessibleDefaultAction(int index) override;
    int AccessibleFocus() override;

private:
    std::vector<TLMDSpeedButton*> buttons_;
    const TMenuKeyboard* keyboard_ = nullptr;
};
