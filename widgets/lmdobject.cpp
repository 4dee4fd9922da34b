#include "widgets/lmdobject.h"

#include "base/exceptions.h"
#include "base/strings.h"

void TLMDObject::EndUpdate(bool notify) {
    updating_ = false;
    if (notify)
        Change();
}

void TLMDObject::Assign(const TLMDObject& source) {
    AssignError(source);
}

void TLMDObject::Change() {
    if (!updating_ && OnChange)
        OnChange(this);
}

void TLMDObject::AssignError(const TLMDObject& source) const {
    throw EConvertError(FmtLoadStr(StrId::SAssignError, source.ClassName(), ClassName()));
}
