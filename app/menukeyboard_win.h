#pragma once
// The menu driven from the keyboard alone. The buttons are windowless, so the menu window keeps the
// focus for them: one focused entry (none at start), moved by Tab and Shift+Tab (entry order, round),
// the arrow keys (the nearest button that way) and Home and End (the first and last), and pressed by
// Enter and Space as a click presses it. The focused button shows the dotted focus cue while the
// window has the keyboard focus; the cue stays hidden until the keyboard is first used, as in every
// dialog, unless the system is set to always show keyboard cues. Screen readers hear of every move.

#include <windows.h>

#include <vector>

#include "shell/focusorder.h"
#include "shell/messages_win.h"

class TComponent;
class TLMDSpeedButton;
class TWinControl;

class TMenuKeyboard {
public:
    // The menu window, whose keyboard messages and focus changes come here.
    explicit TMenuKeyboard(TWinControl& window) : window_(window) {}

    // The entries' buttons, entry 0 first.
    void SetButtons(std::vector<TLMDSpeedButton*> buttons) { buttons_ = std::move(buttons); }

    // The focused entry's index, or -1; and whether it has the keyboard focus now (the menu window
    // has it).
    int Focused() const { return focused_; }
    bool FocusedNow() const;

    // Hides the focus cue until the keyboard is used (unless the system always shows it); for a
    // newly created window.
    void HideCueUntilKeyboardUse();
    // A key message of the menu window; true when the keyboard handling took it.
    bool KeyMessage(const TMessage& message);
    // After the window's own handling of a message: the cue follows the focus and the UI state.
    void AfterMessage(const TMessage& message);
    // A button was clicked (by the mouse, its accelerator, a screen reader or a key): as in a
    // dialog, the focus goes to it; the cue stays as it is.
    void Clicked(const TComponent* button);

private:
    std::vector<FocusTarget> Targets() const;
    void Move(FocusMove move);
    void SetFocused(int index);
    void Press();
    // The keyboard was used: from now on the window shows where the focus is.
    void ShowCue();
    bool CueHidden() const;
    void UpdateCue();
    void AnnounceFocus() const;

    TWinControl& window_;
    std::vector<TLMDSpeedButton*> buttons_;
    int focused_ = -1;
    // The entry on which Space went down (it presses on release), or -1.
    int spaceDownOn_ = -1;
    // Set while a press runs: keys that arrive meanwhile (repeats, a nested message loop) press nothing.
    bool pressing_ = false;
};
