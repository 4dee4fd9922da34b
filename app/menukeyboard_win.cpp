#include "app/menukeyboard_win.h"

#include <algorithm>
#include <utility>

#include "shell/wincontrol_win.h"
#include "widgets/speedbutton_win.h"

namespace {
// The key was already down before this key-down message (the keyboard's auto-repeat).
bool Repeated(LPARAM flags) {
    return (HIWORD(flags) & KF_REPEAT) != 0;
}
}  // namespace

bool TMenuKeyboard::FocusedNow() const {
    return focused_ >= 0 && window_.HandleAllocated() && GetFocus() == window_.HandleIfAllocated();
}

void TMenuKeyboard::HideCueUntilKeyboardUse() {
    BOOL alwaysShown = FALSE;
    if (!SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0))
        alwaysShown = FALSE;
    if (!alwaysShown)
        SendMessageA(window_.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
}

bool TMenuKeyboard::KeyMessage(const TMessage& message) {
    switch (message.Msg) {
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
                    if (!Repeated(message.LParam)) {
                        ShowCue();
                        Press();
                    }
                    return true;
                case VK_SPACE:
                    // Space presses on release, as on a push button; this is where it went down.
                    if (!Repeated(message.LParam))
                        spaceDownOn_ = focused_;
                    return true;
                default:
                    return false;
            }
        case WM_KEYUP:
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
            UpdateCue();
            AnnounceFocus();  // back from a message dialog, for instance
            break;
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
            UpdateCue();
            break;
        default:
            break;
    }
}

void TMenuKeyboard::Clicked(const TComponent* button) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), button);
    if (found == buttons_.end())
        return;
    const int index = static_cast<int>(found - buttons_.begin());
    if (Targets()[static_cast<size_t>(index)].focusable)
        SetFocused(index);
}

std::vector<FocusTarget> TMenuKeyboard::Targets() const {
    std::vector<FocusTarget> targets;
    targets.reserve(buttons_.size());
    for (const TLMDSpeedButton* button : buttons_) {
        const RECT r = button->BoundsRect();
        targets.push_back(FocusTarget{r.left, r.top, r.right, r.bottom,
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
    pressing_ = true;
    struct EndPress {
        bool& flag;
        ~EndPress() { flag = false; }
    } endPress{pressing_};
    buttons_[static_cast<size_t>(focused_)]->Press();
}

bool TMenuKeyboard::CueHidden() const {
    return window_.HandleAllocated() &&
           (SendMessageA(window_.HandleIfAllocated(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

void TMenuKeyboard::ShowCue() {
    if (CueHidden())
        SendMessageA(window_.HandleIfAllocated(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void TMenuKeyboard::UpdateCue() {
    const bool shown = FocusedNow() && !CueHidden();
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetFocusCue(shown && static_cast<int>(i) == focused_);
}

void TMenuKeyboard::AnnounceFocus() const {
    // The buttons are the simple children 1..n of the window's accessible client object.
    if (FocusedNow())
        NotifyWinEvent(EVENT_OBJECT_FOCUS, window_.HandleIfAllocated(), OBJID_CLIENT, focused_ + 1);
}
