#pragma once
// TLabel: a windowless control that shows its caption in its font on its parent's face colour,
// left-aligned, optionally word-wrapped, with tabs expanded; an ampersand marks the next character
// as a mnemonic (underlined, the ampersand itself not shown; "&&" shows one ampersand).

#include <windows.h>

#include "shell/customcontrol_win.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    bool WordWrap = false;
    bool ShowAccelChar = true;
    // The DrawText flags the label draws with (and that measure it).
    UINT DrawTextFlags() const;

protected:
    void Paint() override;
};
