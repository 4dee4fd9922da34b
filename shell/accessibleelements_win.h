#pragma once
// In wincontrol_accessible_win.cpp.
// What a window tells assistive technology (screen readers, automation tools) about the elements
// it draws itself, such as windowless controls: they are the simple children 1..n of the window's
// accessible client object (see accessibleobject_win.h), which the window hands out when asked.

#include <windows.h>

#include <oleacc.h>

#include <string>

class TControl;

// One simple element as assistive technology sees it.
struct TAccessibleElement {
    std::string Name;  // the text a reader speaks, as shown on the screen
    long Role = ROLE_SYSTEM_PUSHBUTTON;
    long State = 0;                // STATE_SYSTEM_* flags
    std::string KeyboardShortcut;  // for instance "Alt+S"; empty when there is none
    std::string DefaultAction;     // for instance "Press"; empty when the element has no action
    RECT ScreenRect{};             // where it lies, in screen coordinates
};

// Implemented by whoever knows the elements of a window (its form, usually).
class TAccessibleElements {
public:
    virtual int AccessibleCount() = 0;
    // index: 0 .. AccessibleCount() - 1, in the order a reader walks them.
    virtual TAccessibleElement AccessibleElement(int index) = 0;
    // The element that shows this control, or -1.
    virtual int AccessibleIndexOf(const TControl* control) = 0;
    // Does what the element's default action says (index -1: the window's own, see AccessibleSelf).
    // Called from the window's message queue after the request has returned, so that whatever it
    // shows (a modal dialog) blocks no reader.
    virtual void DoAccessibleDefaultAction(int index) = 0;
    // Whether the window's own child windows follow the elements as further children.
    virtual bool AccessibleChildWindows() { return false; }
    // The element that has the keyboard focus (the window keeps it for its elements), or -1.
    virtual int AccessibleFocus() { return -1; }
    // What the window itself is, when it says more than the system's standard object: true with its
    // name, role, shortcut and default action filled in; its state flags add to the system's, whose
    // place, focus and relations stay.
    virtual bool AccessibleSelf(TAccessibleElement& self) { return false; }

protected:
    ~TAccessibleElements() = default;
};

// What every windowless control shows of itself: its caption as drawn (without accelerator marks),
// its rectangle on the screen, and the states unavailable (disabled), invisible (hidden, or of zero
// width or height) and offscreen (wholly outside its parent's client area). Role, shortcut and
// action are left for the caller to fill in.
TAccessibleElement AccessibleControlElement(const TControl& control);

// Tells assistive technology that the look of a control changed (hover, press, enabled): a state
// change event of the nearest window whose elements include the control. Nothing when none does.
void NotifyAccessibleStateChange(const TControl* control);
