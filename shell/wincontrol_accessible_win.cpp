// The window side of accessibility: a window with accessible elements answers the system's request
// for its client object, does the default actions that the object posts, and cuts the object off when
// the window goes.
#include "settings/captionshown.h"
#include "shell/accessibleobject_win.h"
#include "shell/lazyimports_win.h"
#include "shell/wincontrol_win.h"

void TWinControl::SetAccessibleElements(TAccessibleElements* elements) {
    if (accessibleElements_ == elements)
        return;
    DisconnectAccessible();
    accessibleElements_ = elements;
}

void TWinControl::DisconnectAccessible() {
    if (!accessible_)
        return;
    accessible_.get()->Disconnect();
    accessible_.reset();
}

bool TWinControl::HandleAccessibleMessage(TMessage& message) {
    if (!accessibleElements_ || !handle_)
        return false;
    if (message.Msg == WM_GETOBJECT && static_cast<DWORD>(message.LParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (!accessible_)
            accessible_ = TAccessibleObject::Create(handle_.get(), accessibleElements_);
        message.Result =
            lazy::LresultFromObject(IID_IAccessible, message.WParam, static_cast<IAccessible*>(accessible_.get()));
        return true;
    }
    if (message.Msg == AccessibleActionMessage()) {
        const int index = static_cast<int>(message.WParam);  // -1: the window's own action
        if (index >= -1 && index < accessibleElements_->AccessibleCount())
            accessibleElements_->DoAccessibleDefaultAction(index);
        return true;
    }
    if (message.Msg == WM_DESTROY)
        DisconnectAccessible();  // and on to the usual handling
    return false;
}

void NotifyAccessibleStateChange(const TControl* control) {
    for (TWinControl* window = control->Parent(); window; window = window->Parent()) {
        TAccessibleElements* elements = window->AccessibleElements();
        if (!elements || !window->HandleAllocated())
            continue;
        const int index = elements->AccessibleIndexOf(control);
        if (index >= 0) {
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window->HandleIfAllocated(), OBJID_CLIENT, index + 1);
            return;
        }
    }
}

TAccessibleElement AccessibleControlElement(const TControl& control) {
    TAccessibleElement element;
    element.Name = CaptionAsShown(control.Caption());
    const RECT bounds = control.BoundsRect();
    const POINT topLeft = control.ClientToScreen(POINT{0, 0});
    element.ScreenRect =
        RECT{topLeft.x, topLeft.y, topLeft.x + (bounds.right - bounds.left), topLeft.y + (bounds.bottom - bounds.top)};
    if (!control.Enabled())
        element.State |= STATE_SYSTEM_UNAVAILABLE;
    if (!control.Visible() || IsRectEmpty(&bounds))
        element.State |= STATE_SYSTEM_INVISIBLE;
    const TWinControl* parent = control.Parent();
    if (parent && !(element.State & STATE_SYSTEM_INVISIBLE)) {
        const RECT area = parent->ClientRect();
        RECT shown;
        if (!IntersectRect(&shown, &area, &bounds))
            element.State |= STATE_SYSTEM_OFFSCREEN;
    }
    return element;
}
