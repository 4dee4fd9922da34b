#pragma once
// The menu as a screen reader meets it: every entry's button, in entry order, is a push button named
// by its caption as shown, with its accelerator as the keyboard shortcut, its hover, pressed and
// disabled looks as states, its place on the screen, and "Press", which does what a click does.

#include <vector>

#include "shell/accessibleelements_win.h"

class TLMDSpeedButton;

class TMenuAccessibility final : public TAccessibleElements {
public:
    // The entries' buttons, entry 0 first.
    void SetButtons(std::vector<TLMDSpeedButton*> buttons) { buttons_ = std::move(buttons); }

    int AccessibleCount() override { return static_cast<int>(buttons_.size()); }
    TAccessibleElement AccessibleElement(int index) override;
    int AccessibleIndexOf(const TControl* control) override;
    void DoAccessibleDefaultAction(int index) override;

private:
    std::vector<TLMDSpeedButton*> buttons_;
};
