#include "app/menukeyboard_win.h"

#include <utility>

#include "base/scopeexit.h"
#include "shell/wincontrol_win.h"
#include "widgets/speedbutton_win.h"

bool TMenuKeyboard::FocusedNow() const {
    return focused_ >= 0 && window_.HandleAllocated() && GetFocus() == window_.HandleIfAllocated();
}

bool SystemShowsKeyboardCues() {
    BOOL shown = FALSE;
    return SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &shown, 0) && shown;
}

bool TMenuKeyboard::HandleMessage(TMessage& message) {
    switch (message.Msg) {
        case WM_CHANGEUISTATE:
            // A top-level window: the change comes back as its own update (for its children too).
            ChangeUiState(message.WParam, false);
            return true;
        case WM_UPDATEUISTATE:
            ChangeUiState(message.WParam, true);
            return false;  // on to the children
        case WM_QUERYUISTATE:
            message.Result = cueHidden_ ? UISF_HIDEFOCUS : 0;
            return true;
        case WM_KEYDOWN:
            switch (message.WParam) {
                case VK_TAB:
                    ShowCue();
                    Move(GetKeyState(VK_SHIFT) < 0 ? FocusMove::Previous : FocusMove::Next);
                    return true;
                case VK_LEFT:
                case VK_RIGHT:
                case VK_UP:
                case VK_DOWN: {
                    static constexpr FocusMove arrows[] = {FocusMove::Left, FocusMove::Up, FocusMove::Right,
                                                           FocusMove::Down};
                    ShowCue();
                    Move(arrows[message.WParam - VK_LEFT]);
                    return true;
                }
                case VK_HOME:
                case VK_END:
                    ShowCue();
                    Move(message.WParam == VK_HOME ? FocusMove::First : FocusMove::Last);
                    return true;
                case VK_RETURN:
                    // A held key presses once: its repeats do nothing.
                    if (!heldKeys_.Repeat(VK_RETURN, message.LParam)) {
                        ShowCue();
                        Press();
                    }
                    return true;
                case VK_SPACE:
                    // Space presses on release, as on a push button; this is where it went down.
                    if (!heldKeys_.Repeat(VK_SPACE, message.LParam))
                        spaceDownOn_ = focused_;
                    return true;
                default:
                    return false;
            }
        case WM_KEYUP:
            heldKeys_.Released(message.WParam);
            if (message.WParam != VK_SPACE)
                return false;
            if (const int downOn = std::exchange(spaceDownOn_, -1); downOn >= 0 && downOn == focused_) {
                ShowCue();
                Press();
            }
            return true;
        case WM_CHAR:
            // With a focused button, Space is its key and no caption's accelerator.
            return message.WParam == ' ' && focused_ >= 0;
        default:
            return false;
    }
}

void TMenuKeyboard::AfterMessage(const TMessage& message) {
    switch (message.Msg) {
        case WM_SETFOCUS:
            // Back from a message that a held key closed, say: that key presses nothing more.
            heldKeys_.NoteHeld({VK_RETURN, VK_SPACE});
            UpdateCue();
            AnnounceFocus();  // back from a message dialog, for instance
            break;
        case WM_KILLFOCUS:
            UpdateCue();
            break;

        default:
            break;
    }
}

std::vector<FocusTarget> TMenuKeyboard::Targets() const {
    std::vector<FocusTarget> targets;
    targets.reserve(buttons_.size());
    for (const TLMDSpeedButton* button : buttons_) {
        const RECT r = button->BoundsRect();
        targets.push_back(FocusTarget{TGeomRect{r.left, r.top, r.right, r.bottom},
                                      button->Enabled() && button->Visible() && !button->BoundsEmpty()});
    }
    return targets;
}

void TMenuKeyboard::Move(FocusMove move) {
    const int to = MoveFocus(Targets(), focused_, move);
    if (to >= 0)
        SetFocused(to);
}

void TMenuKeyboard::SetFocused(int index) {
    if (index == focused_)
        return;
    focused_ = index;
    UpdateCue();
    AnnounceFocus();
}

void TMenuKeyboard::Press() {
    if (pressing_ || focused_ < 0)
        return;
    const ScopedValue<bool> pressing(pressing_, true);
    buttons_[static_cast<size_t>(focused_)]->Press();
}

void TMenuKeyboard::ShowCue() {
    if (cueHidden_ && window_.HandleAllocated())
        SendMessageA(window_.HandleIfAllocated(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void TMenuKeyboard::ChangeUiState(WPARAM change, bool update) {
    if (!(HIWORD(change) & UISF_HIDEFOCUS) || (LOWORD(change) != UIS_SET && LOWORD(change) != UIS_CLEAR))
        return;
    const bool hidden = LOWORD(change) == UIS_SET;
    if (hidden == cueHidden_)
        return;
    if (!update) {
        SendMessageA(window_.HandleIfAllocated(), WM_UPDATEUISTATE, MAKEWPARAM(LOWORD(change), UISF_HIDEFOCUS), 0);
        return;
    }
    cueHidden_ = hidden;
    UpdateCue();
}

void TMenuKeyboard::UpdateCue() {
    const bool shown = FocusedNow() && !cueHidden_;
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetFocusCue(shown && static_cast<int>(i) == focused_);
}

void TMenuKeyboard::AnnounceFocus() const {
    // The buttons are the simple children 1..n of the window's accessible client object.
    if (FocusedNow())
        NotifyWinEvent(EVENT_OBJECT_FOCUS, window_.HandleIfAllocated(), OBJID_CLIENT, focused_ + 1);
}
