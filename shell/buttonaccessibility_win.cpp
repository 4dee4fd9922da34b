#include "shell/buttonaccessibility_win.h"

#include "settings/captionshown.h"
#include "shell/button_win.h"

bool TButtonAccessibility::AccessibleSelf(TAccessibleElement& self) {
    self.Name = CaptionAsShown(button_.Caption());
    self.Role = ROLE_SYSTEM_PUSHBUTTON;
    self.KeyboardShortcut = AcceleratorShortcut(button_.Caption());
    self.DefaultAction = "Press";
    self.State = button_.Default() ? STATE_SYSTEM_DEFAULT : 0;
    return true;
}

void TButtonAccessibility::DoAccessibleDefaultAction(int index) {
    // The button may have changed since the request: a click needs it enabled and shown.
    if (index == -1 && button_.Enabled() && button_.Visible())
        button_.Click();
}
