#include "app/menuaccessibility_win.h"

#include <algorithm>

#include "app/menukeyboard_win.h"
#include "settings/captionshown.h"
#include "widgets/speedbutton_win.h"

TAccessibleElement TMenuAccessibility::AccessibleElement(int index) {
    const TLMDSpeedButton& button = *buttons_.at(static_cast<size_t>(index));
    TAccessibleElement element = AccessibleControlElement(button);
    element.Role = ROLE_SYSTEM_PUSHBUTTON;
    element.KeyboardShortcut = AcceleratorShortcut(button.Caption());
    element.DefaultAction = "Press";
    // The keyboard reaches exactly the buttons that can be clicked.
    const long unreachable = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE;
    if (!(element.State & unreachable))
        element.State |= STATE_SYSTEM_FOCUSABLE;
    if (index == AccessibleFocus())
        element.State |= STATE_SYSTEM_FOCUSED;
    switch (button.ButtonState()) {
        case bsMouseOver:
            element.State |= STATE_SYSTEM_HOTTRACKED;
            break;
        case bsOptionSet:
        case bsDown:
        case bsDropDownOpen:
        case bsDisabledDown:
            element.State |= STATE_SYSTEM_PRESSED;
            break;
        default:
            break;
    }
    return element;
}

int TMenuAccessibility::AccessibleIndexOf(const TControl* control) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), control);
    return found == buttons_.end() ? -1 : static_cast<int>(found - buttons_.begin());
}

int TMenuAccessibility::AccessibleFocus() {
    return keyboard_ && keyboard_->FocusedNow() ? keyboard_->Focused() : -1;
}

void TMenuAccessibility::DoAccessibleDefaultAction(int index) {
    if (index < 0)
        return;  // the window itself has no action of the menu's
    TLMDSpeedButton* button = buttons_.at(static_cast<size_t>(index));
    // The button may have changed since the request: a click needs it enabled, shown and of some size.
    const long blocked = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    if (AccessibleControlElement(*button).State & blocked)
        return;
    if (button->OnClick)
        button->OnClick(button);
}
