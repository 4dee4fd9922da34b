#include <windows.h>

#include "settings/leadbytes.h"

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

void SetLeadBytes(const LeadByteTable&) {
    // The system code page decides on Windows.
}
