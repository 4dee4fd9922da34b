#include "shell/statictextelements_win.h"

#include <algorithm>

TAccessibleElement TStaticTextElements::AccessibleElement(int index) {
    TAccessibleElement element = AccessibleControlElement(*labels_.at(static_cast<size_t>(index)));
    element.Role = ROLE_SYSTEM_STATICTEXT;
    element.State |= STATE_SYSTEM_READONLY;
    return element;
}

int TStaticTextElements::AccessibleIndexOf(const TControl* control) {
    const auto found = std::find(labels_.begin(), labels_.end(), control);
    return found == labels_.end() ? -1 : static_cast<int>(found - labels_.begin());
}
