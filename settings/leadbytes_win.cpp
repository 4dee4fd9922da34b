#include <windows.h>

#include "settings/leadbytes.h"

namespace {

// The system code page's lead bytes, taken from the platform once, at the first question.
const LeadByteTable& SystemLeadBytes() {
    static const LeadByteTable table = [] {
        LeadByteTable t{};
        for (int b = 0; b < 256; ++b)
            t[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
        return t;
    }();
    return table;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return SystemLeadBytes()[byte];
}

bool HasLeadBytes() {
    static const bool any = [] {
        for (const bool lead : SystemLeadBytes())
            if (lead)
                return true;
        return false;
    }();
    return any;
}

void SetLeadBytes(const LeadByteTable&) {
    // The system code page decides on Windows.
}
