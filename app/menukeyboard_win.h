#pragma once
// The menu driven from the keyboard alone. The buttons are windowless, so the menu window keeps the
// focus for them: one focused entry (none at start), moved by Tab and Shift+Tab (entry order, round),
// the arrow keys (the nearest button that way) and Home and End (the first and last), and pressed by
// Enter and Space as a click presses it. The mouse leaves the focus where it is. The focused button
// shows the dotted focus cue while the window has the keyboard focus; as in every dialog, the window's
// UI state hides focus cues until the keyboard is first used, unless the system is set to always show
// them. Screen readers hear of every move.

#include <windows.h>

#include <vector>

#include "shell/focusorder.h"
#include "shell/heldkeys_win.h"
#include "shell/messages_win.h"

class TLMDSpeedButton;
class TWinControl;

// Whether the system is set to always show keyboard cues (SPI_GETKEYBOARDCUES).
bool SystemShowsKeyboardCues();

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

    // A message of the menu window: its keys, and its UI state (WM_CHANGEUISTATE, WM_UPDATEUISTATE,
    // WM_QUERYUISTATE), which the window keeps itself, since not every system's default handling
    // does. True when taken (the result is set); otherwise the window's own handling follows.
    bool HandleMessage(TMessage& message);
    // After the window's own handling of a message: the cue follows the window's focus.
    void AfterMessage(const TMessage& message);

private:
    std::vector<FocusTarget> Targets() const;
    void Move(FocusMove move);
    void SetFocused(int index);
    void Press();
    // The keyboard was used: from now on the window shows where the focus is.
    void ShowCue();
    // The UI state's focus-cue flag changed (WM_CHANGEUISTATE or WM_UPDATEUISTATE with UISF_HIDEFOCUS).
    void ChangeUiState(WPARAM change, bool update);
    void UpdateCue();
    void AnnounceFocus() const;

    TWinControl& window_;
    std::vector<TLMDSpeedButton*> buttons_;
    int focused_ = -1;
    // UISF_HIDEFOCUS: hidden until the keyboard is used, unless the system always shows focus cues.
    bool cueHidden_ = !SystemShowsKeyboardCues();
    // The entry on which Space went down (it presses on release), or -1.
    int spaceDownOn_ = -1;
    // Enter and Space held since the window got the focus press nothing until released.
    THeldKeys heldKeys_;
    // Set while a press runs: keys that arrive meanwhile (repeats, a nested message loop) press nothing.
    bool pressing_ = false;
};
